#include "record/record_writer.h"

#include "record/panel_commands.h"
#include "record/record_line.h"
#include "textfile/file_replace.h"
#include "textfile/line_reader.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

constexpr const char* 空白題 = "  ";
constexpr const char* 保存題 = "棋譜保存";

// The most bytes a file name may have on the file systems in use.
constexpr size_t 名前の上限 = 255;

const char* 欄の名前(棋譜欄 box) {
    switch (box) {
        case 棋譜欄::Text1: return "ﾌｧｲﾙ名";
        case 棋譜欄::Text2: return "対局名";
        case 棋譜欄::Text3: return "先手";
        case 棋譜欄::Text4: return "後手";
    }
    return "";
}

// One header line; nothing when it has a line break or a character Shift-JIS lacks, or
// when the reader would cut it.
std::optional<std::string> 見出し行(const std::string& text, 見出しの問題& why) {
    why = 見出しの問題::ShiftJISにない;
    if (text.find_first_of("\r\n") != std::string::npos) return std::nullopt;
    auto bytes = SJISへ変換(text);
    if (!bytes) return std::nullopt;
    if (bytes->size() > 行の上限) {
        why = 見出しの問題::長すぎる;
        return std::nullopt;
    }
    *bytes += "\r\n";
    return bytes;
}

}  // namespace

棋譜書式結果 書式_棋譜ファイル(const 手順リスト& list, const 進行状態& s, const 棋譜見出し& h) {
    const bool 下が先手 = s.番.MAN番 == 1;
    const std::pair<const std::string*, 棋譜欄> lines[3] = {
        {&h.対局名, 棋譜欄::Text2},
        {下が先手 ? &h.後手名 : &h.先手名, 下が先手 ? 棋譜欄::Text4 : 棋譜欄::Text3},
        {下が先手 ? &h.先手名 : &h.後手名, 下が先手 ? 棋譜欄::Text3 : 棋譜欄::Text4},
    };
    std::string out;
    for (const auto& [text, box] : lines) {
        見出しの問題 why;
        const auto bytes = 見出し行(*text, why);
        if (!bytes) return {std::nullopt, box, why};
        out += *bytes;
    }
    for (int i = 1; i <= s.数.手順最終; ++i) {
        out += 書式_棋譜行(list.参照(i));
        out += "\r\n";
    }
    return {std::move(out), 棋譜欄::Text2, 見出しの問題::ShiftJISにない};
}

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
