#include "record/record_reader.h"

#include <cmath>

#include "display/palette.h"
#include "record/notation.h"
#include "record/panel_commands.h"
#include "record/record_line.h"
#include "record/sjis.h"
#include "rules/initial_setup.h"

namespace yukora {
namespace {

constexpr const char* 棋譜題 = "棋譜";
constexpr int 見出し文字サイズ = 12;

// Window X of a header line; whole twips for every length.
int 見出しX(const std::string& text) { return static_cast<int>(std::lround(取得_棋譜のX座標(text))); }

}  // namespace

int 読込_棋譜ファイル(行入力& in, std::string& 読込行) {
    std::string bytes;
    if (!in.次の行(bytes)) return 0;
    auto text = SJISから変換(bytes);
    // A line cut at the cap may end in half a character.
    if (!text && in.切り詰めた() && !bytes.empty()) {
        bytes.pop_back();
        text = SJISから変換(bytes);
    }
    if (!text) return 0;
    読込行 = std::move(*text);
    return 1;
}

int 読込_棋譜内容(行入力& in, 手順リスト& list, 画面& screen) {
    std::string 読込行;
    if (!読込_棋譜ファイル(in, 読込行)) return 0;
    screen.文字(見出しX(読込行) - 3000, 6350, 読込行, 見出し文字サイズ, 色_明赤);
    if (!読込_棋譜ファイル(in, 読込行)) return 0;
    screen.文字(見出しX(読込行), 100, 読込行, 見出し文字サイズ, 色_白);
    if (!読込_棋譜ファイル(in, 読込行)) return 0;
    screen.文字(見出しX(読込行), 6350, 読込行, 見出し文字サイズ, 色_白);
    int n = 0;
    while (n < 棋譜項目の上限 && 読込_棋譜ファイル(in, 読込行)) {
        ++n;
        list.項目(n) = 解析_棋譜行(読込行);
    }
    return n;
}

void File1_Click(const std::string& name, 局面& p, 進行状態& s, 手順リスト& list, タイマー& timer,
                 盤描画& view, 画面& screen, 棋譜パネル& panel, ダイアログ& dialog) {
    描画_可視(panel, false, false, false);
    初期設定(p, s, timer, view);
    s.棋譜モード = 1;
    int n = 0;
    // The list only offers names inside its folder; anything else is not opened.
    if (!name.empty() && name.find('/') == std::string::npos && name != "." && name != "..") {
        const std::string folder = panel.File1フォルダ();
        ファイル行入力 in((folder.empty() ? "." : folder) + "/" + name);
        n = 読込_棋譜内容(in, list, screen);
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
