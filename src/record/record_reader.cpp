#include "record/record_reader.h"

#include <cmath>

#include "display/palette.h"
#include "record/notation.h"
#include "record/panel_commands.h"
#include "record/record_content.h"
#include "rules/initial_setup.h"

namespace yukora {
namespace {

constexpr const char* 棋譜題 = "棋譜";
constexpr int 見出し文字サイズ = 12;
// The title and the bottom player's name go in the band below the board (the top of row 10),
// as the top player's name sits above it; starting a game clears that band.
constexpr int 盤の下Y = 6700;

// Window X of a header line; whole twips for every length.
int 見出しX(const std::string& text) { return static_cast<int>(std::lround(取得_棋譜のX座標(text))); }

void 見出しを印字(画面& screen, const std::vector<std::string>& lines) {
    if (lines.size() > 0)
        screen.文字(見出しX(lines[0]) - 3000, 盤の下Y, lines[0], 見出し文字サイズ, 色_明赤);
    if (lines.size() > 1) screen.文字(見出しX(lines[1]), 100, lines[1], 見出し文字サイズ, 色_白);
    if (lines.size() > 2)
        screen.文字(見出しX(lines[2]), 盤の下Y, lines[2], 見出し文字サイズ, 色_白);
}

// Only names inside the file list's folder are opened.
bool 一覧の名前か(const std::string& name) {
    return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
}

}  // namespace

void File1_Click(const std::string& name, 局面& p, 進行状態& s, 手順リスト& list, タイマー& timer,
                 盤描画& view, 画面& screen, 棋譜パネル& panel, ダイアログ& dialog) {
    描画_可視(panel, false, false, false);
    初期設定(p, s, timer, view);
    s.棋譜モード = 1;
    int n = 0;
    if (一覧の名前か(name)) {
        const std::string folder = panel.File1フォルダ();
        ファイル行入力 in((folder.empty() ? "." : folder) + "/" + name);
        const 棋譜内容 c = 読込_棋譜内容(in, list);
        見出しを印字(screen, c.見出し);
        n = c.項目数;
    }
    s.手順番号 = 0;
    s.手数 = 0;
    s.手順最終 = n;
    if (n == 0) {
        dialog.メッセージ("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", 棋譜題);
        return;
    }
    dialog.メッセージ(" 読み込みました", 棋譜題);
    dialog.メッセージ("棋譜を '進 'で進めて下さい", 棋譜題);
    s.手番 = 1;
}

}  // namespace yukora
