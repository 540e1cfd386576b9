// The game menu: starting, continuing and resetting a game.
#include <algorithm>

#include "flow/game.h"
#include "panel/panel_commands.h"
#include "rules/start_position.h"

namespace yukora {

namespace {
constexpr const char* タイトル空白 = " ";

// The board's outlines are redrawn by the caller; a selected hand slot lies off the board, so
// its outline is erased here when the selection is dropped.
void 持駒の選択枠を消す(表示& view, const 進行状態& s) {
    if (s.選択.選択状態 == 1 && (s.選択.元X == 自持駒列 || s.選択.元X == 敵持駒列))
        view.描画_桝輪郭(0, s.選択.元X, s.選択.元Y);
}

// A problem's position (詰将棋) has one king: the computer needs both to play.
constexpr const char* 玉が一枚 = "玉が片方にしかない局面ではCOMと対局できません";

// A game continued from the position shown gives up the entries after it, but never reaches
// past what the list really holds: after "反転" the move number runs ahead of the list, and
// the position after the last move is stored only when the next move is made.
void 先の手順を捨てる(手数型& 数) { 数.手順最終 = std::min(数.手順最終, 数.手順番号); }
}  // namespace

void ゲーム::TAIKYOKU_Click() { 棋譜パネル_閉じる(窓口_.panel); }

void ゲーム::START_Click() {
    進行状態& s = 状態.進行;
    if (s.番.勝者 != 0) {
        初期設定();
        窓口_.clock.表示更新();
    }
    s.番.棋譜モード = 0;
    表示_.描画_棋譜読込み部分消去();
    for (int x = -2; x <= 0; ++x) 表示_.描画_絵(表示_.状態.背景画番号, x, 0);
    表示_.描画_将棋盤桝();
    s.時間.手番開始時刻 = 窓口_.clock.現在秒();
    if (状態.設定.印.KEIKA) 窓口_.timer.有効設定(true);
    s.番.対局モード = 0;
    if (s.番.手番 == 0 || s.数.手数 == 0) {
        s.番.MAN番 = 1;
        s.番.COM番 = -1;
        s.番.手番 = 1;
        窓口_.dialog.メッセージ("先手の番です", タイトル空白);
    } else {
        窓口_.dialog.メッセージ(s.番.手番 == 1 ? "先手の番です" : "後手の番です", タイトル空白);
    }
    s.番.再開待ち = 0;
}

bool ゲーム::COMと指せない() {
    if (両方の玉があるか(状態.盤面)) return false;
    効果音(音::禁止);
    窓口_.dialog.メッセージ(玉が一枚, "対局");
    return true;
}

void ゲーム::SENTE_Click() {
    進行状態& s = 状態.進行;
    if (s.番.勝者 != 0) 初期設定();
    if (COMと指せない()) return;
    表示_.描画_棋譜読込み部分消去();
    描画_レベル(s.強さ.レベル);
    表示_.描画_将棋盤桝();
    持駒の選択枠を消す(表示_, s);
    s.選択.選択状態 = 0;
    s.番.対局モード = 1;
    s.番.棋譜モード = 0;
    先の手順を捨てる(s.数);
    s.時間.手番開始時刻 = 窓口_.clock.現在秒();
    窓口_.timer.有効設定(true);
    if (s.番.手番 == 0 || s.数.手数 == 0) {
        s.番.MAN番 = 1;
        s.番.COM番 = -1;
        s.番.手番 = 1;
        窓口_.dialog.メッセージ("MANの番です", タイトル空白);
        s.番.再開待ち = 0;
    } else if (s.番.手番 == s.番.MAN番) {
        s.番.MAN番 = 1;
        s.番.COM番 = -1;
        s.番.手番 = 1;
        窓口_.dialog.メッセージ("MANの番です", "対局");
        s.番.再開待ち = 0;
    } else if (s.番.手番 == s.番.COM番) {
        com_ban();
    }
}

void ゲーム::GOTE_Click() {
    進行状態& s = 状態.進行;
    if (s.番.勝者 != 0) 初期設定();
    if (COMと指せない()) return;
    表示_.描画_棋譜読込み部分消去();
    描画_レベル(s.強さ.レベル);
    表示_.描画_将棋盤桝();
    窓口_.timer.有効設定(true);
    持駒の選択枠を消す(表示_, s);
    s.選択.選択状態 = 0;
    s.番.対局モード = 1;
    s.番.棋譜モード = 0;
    先の手順を捨てる(s.数);
    if (s.番.手番 == 0 || s.数.手数 == 0) {
        s.番.MAN番 = -1;
        s.番.COM番 = 1;
        s.番.手番 = 1;
        com_ban();
    } else if (s.番.手番 == s.番.MAN番) {
        s.時間.手番開始時刻 = 窓口_.clock.現在秒();  // the human's clock starts now, as with "先手"
        窓口_.dialog.メッセージ("MANの番です", "対局");
        s.番.再開待ち = 0;
    } else if (s.番.手番 == s.番.COM番) {
        com_ban();
    }
}

void ゲーム::CANCEL_Click() {
    初期設定();
    効果音(音::駒打);
}

}  // namespace yukora
