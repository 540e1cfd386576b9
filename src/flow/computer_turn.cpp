// The computer's turn: think, play the chosen move, announce, hand the turn back.
#include "computer/com_turn.h"
#include "computer/search.h"
#include "display/move_caption.h"
#include "flow/game.h"
#include "game/palette.h"
#include "rules/making_move.h"

namespace yukora {
namespace {

// What the window does while the search runs: shows the notice once the turn's snapshots are
// taken and moves the clock on at every origin column and hand kind. These steps sit inside
// the search's loops, so the search calls out for them rather than return.
class 探索表示 final : public 探索通知 {
public:
    探索表示(時計& clock, ゲーム& game) : clock_(clock), game_(game) {}
    void 準備完了() override { clock_.表示更新(); }
    void 時計更新() override { game_.Timer1_Timer(); }

private:
    時計& clock_;
    ゲーム& game_;
};

}  // namespace

void ゲーム::com_ban() {
    進行状態& s = 状態.進行;
    if (s.番.勝者 != 0) return;
    s.時間.手番開始時刻 = 窓口_.clock.現在秒();
    if (状態.設定.印.KEIKA) 窓口_.timer.有効設定(true);
    思考中を示す();
    探索表示 notify(窓口_.clock, *this);
    const COM指し手 mv = COM探索(状態.盤面, 状態.勢力, 状態.思考, s, &notify);
    if (!mv.有り) {
        COMの投了();
        return;
    }
    COMの手を指す(mv);
    // The tint of the new position under the box that may announce it.
    勢力表示を合わせる();
    switch (調査_COMの手の後(状態.盤面, 状態.勢力, s.番)) {
        case COMの手の知らせ::詰め: 窓口_.dialog.メッセージ("よし！!", "詰め ?"); break;
        case COMの手の知らせ::勝ち:
            消去_移動結果(表示_, s.番, s.番.COM番);
            窓口_.dialog.メッセージ("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了");
            s.番.手番 = s.番.MAN番;
            return;
        case COMの手の知らせ::王手: 窓口_.dialog.メッセージ("   ** 王手 **", ""); break;
        case COMの手の知らせ::なし: break;
    }
    描画_移動結果(表示_, s.番, s.番.COM番, mv.先X, mv.先Y, mv.駒後, 色_白);
    表示_.描画_桝輪郭(色_白, mv.先X, mv.先Y);
    s.時間.COM時間 += s.時間.経過秒;
    s.時間.手番開始時刻 = 窓口_.clock.現在秒();
    s.番.手番 = s.番.MAN番;
    if (状態.設定.印.KEIKA) 窓口_.timer.有効設定(true);
}

void ゲーム::思考中を示す() {
    表示_.消去_思考中();
    表示_.描画_数値(-1.5, 8.5, std::string_view("思考中"), 色_黒, 0, 12);
    表示_.描画_数値(-1.6, 8.4, std::string_view("思考中"), 色_白, 0, 12);
    表示_.描画_桝輪郭(色_黒, 1, 8);
}

// The top side has no move at all.
void ゲーム::COMの投了() {
    表示_.消去_思考中();
    窓口_.timer.有効設定(false);
    状態.進行.番.勝者 = 状態.進行.番.MAN番;
    窓口_.dialog.メッセージ("あなたの勝ちです", "終了");
}

// Record, blink, move, pause, sound.
void ゲーム::COMの手を指す(const COM指し手& mv) {
    進行状態& s = 状態.進行;
    // The time since the turn began, also when the clock is not shown and the timer is off.
    s.時間.経過秒 = 調査_経過秒(s.時間.手番開始時刻, 窓口_.clock.現在秒());
    手順保存(状態.手順, 状態.盤面, s.数, s.時間.MAN時間, s.時間.MAN時間, s.時間.COM時間,
             s.時間.COM時間 + s.時間.経過秒);
    ++s.数.手数;
    表示_.描画_手数(s.数.手数, 色_白);
    if (mv.元X == 敵持駒列) 表示_.描画_駒点滅(mv.駒後, 敵持駒列, 敵持駒の行(mv.元Y), 2);
    else 表示_.描画_駒点滅(mv.駒前, mv.元X, mv.元Y, 2);
    駒移動(状態.盤面, s.番, 表示_, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒後);
    表示_.消去_思考中();
    待ち時間(0.5f);
    効果音(音::駒打);
    ++s.数.手順番号;
    窓口_.timer.有効設定(false);
}

}  // namespace yukora
