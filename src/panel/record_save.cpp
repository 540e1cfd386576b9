#include "panel/record_save.h"

#include "own_format/record_writer.h"
#include "panel/panel_commands.h"
#include "textfile/file_replace.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

constexpr const char* 空白題 = "  ";
constexpr const char* 保存題 = "棋譜保存";

// The most bytes a file name may have on the file systems in use.
constexpr size_t 名前の上限 = 255;

// The caption of the box a header text is typed into.
const char* 欄の名前(見出し欄 field) {
    switch (field) {
        case 見出し欄::対局名: return "対局名";
        case 見出し欄::先手名: return "先手";
        case 見出し欄::後手名: return "後手";
    }
    return "";
}

}  // namespace

std::string ファイル名の問題(const std::string& name) {
    bool bad = name.find("..") != std::string::npos;
    for (const char c : name) {
        const unsigned char b = static_cast<unsigned char>(c);
        bad = bad || c == '/' || c == '\\' || b < 0x20 || b == 0x7F;
    }
    // A name that is not valid UTF-8 cannot be shown in the file list again.
    bad = bad || !UTF8か(name);
    if (bad) return "ﾌｧｲﾙ名に使えない文字があります\n\n「/」「\\」「..」や制御文字は使えません";
    if (name.size() + std::string(棋譜拡張子).size() > 名前の上限) return "ﾌｧｲﾙ名が長すぎます";
    return {};
}

int 棋譜ファイルを置く(const std::string& name, const std::string& 内容, 棋譜パネル& panel,
                       ダイアログ& dialog) {
    if (const int err = ファイル置換(panel.File1フォルダ(), name, 内容); err != 0) {
        dialog.メッセージ("棋譜ﾌｧｲﾙを保存できませんでした\n\n" + 書込エラー説明(err), 保存題);
        return 0;
    }
    棋譜パネル_閉じる(panel);
    panel.File1更新();
    dialog.メッセージ("棋譜を書き込みました", 空白題);
    return 1;
}

int Command1_Click(const 手順リスト& list, const 進行状態& s, 棋譜パネル& panel,
                   ダイアログ& dialog) {
    const std::string name = panel.文字列(棋譜欄::Text1);
    if (name.empty()) {
        dialog.メッセージ("ﾌｧｲﾙ名が入力されていません", 空白題);
        return 0;
    }
    if (const std::string why = ファイル名の問題(name); !why.empty()) {
        dialog.メッセージ(why, 保存題);
        return 0;
    }
    if (s.数.手順最終 < 1) {
        dialog.メッセージ("保存するデータがありません", 保存題);
        return 0;
    }
    const 棋譜見出し h{panel.文字列(棋譜欄::Text2), panel.文字列(棋譜欄::Text3),
                       panel.文字列(棋譜欄::Text4)};
    const 棋譜書式結果 file = 書式_棋譜ファイル(list, s, h);
    if (!file.内容) {
        const std::string 欄 = std::string("「") + 欄の名前(file.書けない欄) + "」";
        dialog.メッセージ(file.問題 == 見出しの問題::長すぎる
                              ? 欄 + "が長すぎます"
                              : 欄 + "にShift-JISで保存できない文字があります",
                          保存題);
        return 0;
    }
    return 棋譜ファイルを置く(name + 棋譜拡張子, *file.内容, panel, dialog);
}

}  // namespace yukora
