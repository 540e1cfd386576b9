#include "panel/save_as.h"

#include <filesystem>

#include "panel/other_formats.h"
#include "panel/panel_commands.h"
#include "textfile/file_replace.h"

namespace yukora {
namespace {

constexpr const char* 保存題 = "棋譜保存";
constexpr const char* 保存できない = "棋譜ﾌｧｲﾙを保存できませんでした\n\n";

std::string 書けない知らせ(const 書込結果& w) {
    if (w.理由.find("Shift-JIS") != std::string::npos)
        return "「対局名」「先手」「後手」にShift-JISで保存できない文字があります";
    return std::string(保存できない) + "この対局はこの形式で保存できません";
}

}  // namespace

std::string 保存できない理由(const 読込結果& game) {
    if (game.エラー)
        return 保存できない + std::to_string(game.エラー->手数) + "手目を記録にできません";
    if (空の記録か(game.記録)) return "保存するデータがありません";
    return {};
}

int 名前を付けて保存(const 対局記録& r, const 進行状態& s, const std::string& path, 棋譜形式 f,
                     ダイアログ& dialog) {
    if (f == 棋譜形式::棋譜 && 棋譜書込を断る(dialog, s)) return 0;
    const 書込結果 w = 棋譜を書く(r, f);
    if (!w.理由.empty()) {
        dialog.メッセージ(書けない知らせ(w), 保存題);
        return 0;
    }
    const std::filesystem::path p(path);
    if (const int err = ファイル置換(p.parent_path().string(), p.filename().string(), w.内容);
        err != 0) {
        dialog.メッセージ(保存できない + 書込エラー説明(err), 保存題);
        return 0;
    }
    dialog.メッセージ("棋譜を書き込みました", "  ");
    return 1;
}

}  // namespace yukora
