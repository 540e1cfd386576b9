// "戻" and "進": stepping through the move list, one move or many at once.
#include "display/move_caption.h"
#include "flow/game.h"
#include "game/move_list.h"
#include "game/palette.h"
#include "panel/panel_commands.h"
#include "review/listed_positions.h"

namespace yukora {

// Board, hands and clocks of entry j, all redrawn. The clocks are those entry j was left with,
// before the move that followed it, so "戻" and "進" show the same totals for one position.
void ゲーム::局面を項目から戻す(int j) {
    const 手順記録& e = 状態.手順.参照(j);
    局面& p = 状態.盤面;
    進行状態& s = 状態.進行;
    p.盤 = e.盤;
    p.MAN持駒 = e.MAN持駒;
    p.COM持駒 = e.COM持駒;
    p.COM持駒数 = 調査_持駒数(p, s.番, s.番.COM番);
    p.MAN持駒数 = 調査_持駒数(p, s.番, s.番.MAN番);
    s.時間.COM時間 = e.COM時間前;
    描画_所有時間(s.番.COM番, s.時間.COM時間);
    s.時間.MAN時間 = e.MAN時間前;
    描画_所有時間(s.番.MAN番, s.時間.MAN時間);
    表示_.描画_自持盤();
    表示_.描画_敵持盤();
    表示_.描画_盤();
}

// One move back. Of several steps only the last (`最後`) draws the board, hands, clocks and
// move number, which it draws over, and sounds; the captions change at every step, as they
// would at every "戻".
void ゲーム::一手戻す(bool 最後) {
    進行状態& s = 状態.進行;
    if (最後) {
        s.選択.選択状態 = 0;
        窓口_.timer.有効設定(false);
        表示_.描画_将棋盤桝();
    }
    表示_.消去_思考中();
    if (最後) 局面を項目から戻す(s.数.手順番号 - 1);
    const 移動結果 r = 調査_移動結果(状態.手順, s.数.手順番号);
    if (最後) 効果音(音::駒打);
    消去_移動結果(表示_, s.番, r.見つかった && r.駒 > 0 ? s.番.COM番 : s.番.MAN番);
    --s.数.手順番号;
    --s.数.手数;
    s.番.手番 = -s.番.手番;
    if (最後) 表示_.描画_手数(s.数.手数, 色_白);
}

// One move forward, drawn as 一手戻す draws.
void ゲーム::一手進める(bool 最後) {
    進行状態& s = 状態.進行;
    表示_.消去_思考中();
    if (最後) {
        s.選択.選択状態 = 0;
        窓口_.timer.有効設定(false);
        表示_.描画_将棋盤桝();
    }
    ++s.数.手順番号;
    ++s.数.手数;
    if (最後) 表示_.描画_手数(s.数.手数, 色_白);
    const int j = s.数.手順番号;
    if (最後) 局面を項目から戻す(j);
    const 移動結果 r = 調査_移動結果(状態.手順, j);
    if (最後) 効果音(音::駒打);
    描画_移動結果(表示_, s.番, r.駒 > 0 ? s.番.COM番 : s.番.MAN番, r.x, r.y, r.駒, 色_白);
    s.番.手番 = -s.番.手番;
    if (最後) 表示_.描画_手数(s.数.手数, 色_白);
}

void ゲーム::REPLAY_Click() {
    進行状態& s = 状態.進行;
    棋譜パネル_閉じる(窓口_.panel);
    s.番.再開待ち = 1;
    if (s.数.手順番号 < 1) {
        効果音(音::禁止);
        窓口_.dialog.メッセージ("できません", "戻る");
        return;
    }
    一手戻す(true);
}

// "進" before any game.
void ゲーム::始めて下さい() {
    効果音(音::禁止);
    窓口_.dialog.メッセージ("「対局」で始めて下さい", "開始");
}

void ゲーム::AFTER_Click() {
    進行状態& s = 状態.進行;
    棋譜パネル_閉じる(窓口_.panel);
    if (s.番.手番 == 0) {
        始めて下さい();
        return;
    }
    s.番.再開待ち = 1;
    if (s.数.手順番号 >= s.数.手順最終) {
        if (s.番.棋譜モード == 1) {
            // A record that says how its game ended names it.
            const std::string& how = 記録の終局_;
            窓口_.dialog.メッセージ(how.empty() ? "終わり" : "終わり（" + how + "）", "進む");
        } else {
            効果音(音::禁止);
            窓口_.dialog.メッセージ("できません", "進む");
        }
        return;
    }
    一手進める(true);
}

// The position after `k` moves, left as that many "戻" or "進" would leave it, with one sound.
void ゲーム::手順へ移る(int k) {
    進行状態& s = 状態.進行;
    const int n = k - s.数.手順番号;
    if (n == 0 || k < 0 || k > 最後の局面(s.数)) return;
    棋譜パネル_閉じる(窓口_.panel);
    if (n > 0 && s.番.手番 == 0) {
        始めて下さい();
        return;
    }
    s.番.再開待ち = 1;
    for (int i = n; i < 0; ++i) 一手戻す(i == -1);
    for (int i = 1; i <= n; ++i) 一手進める(i == n);
}

}  // namespace yukora
