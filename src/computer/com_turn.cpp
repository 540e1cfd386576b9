#include "computer/com_turn.h"

#include "computer/search.h"
#include "game/clock_port.h"
#include "game/palette.h"
#include "influence/survey.h"
#include "rules/making_move.h"
#include "rules/mate.h"

namespace yukora {
namespace {

// Forwards the search's notifications to the window.
class 探索表示 final : public 探索通知 {
public:
    explicit 探索表示(手番出力& out) : out_(out) {}
    void 準備完了() override { out_.表示更新(); }
    void 時計更新() override { out_.Timer1_Timer(); }

private:
    手番出力& out_;
};

void 思考中表示(手番出力& out) {
    out.消去_思考中();
    out.描画_数値(-1.5, 8.5, "思考中", 色_黒, 0, 12);
    out.描画_数値(-1.6, 8.4, "思考中", 色_白, 0, 12);
    out.描画_桝輪郭(色_黒, 1, 8);
}

void 投了(進行状態& s, 手番出力& out) {
    out.消去_思考中();
    out.Timer1有効設定(false);
    s.番.勝者 = s.番.MAN番;
    out.メッセージ("あなたの勝ちです", "終了");
}

// Steps after the search: record, blink, move, pause, sound.
void 指す(局面& p, 進行状態& s, 手順リスト& list, 手番出力& out, const COM指し手& mv) {
    // The time since the turn began, also when the clock is not shown and the timer is off.
    s.時間.経過秒 = 調査_経過秒(s.時間.手番開始時刻, out.現在秒());
    手順保存(list, p, s.数, s.時間.MAN時間, s.時間.MAN時間, s.時間.COM時間,
             s.時間.COM時間 + s.時間.経過秒);
    ++s.数.手数;
    out.描画_手数(s.数.手数, 色_白);
    if (mv.元X < 0) out.描画_駒点滅(mv.駒後, -1, 8 - mv.元Y, 2);
    else out.描画_駒点滅(mv.駒前, mv.元X, mv.元Y, 2);
    駒移動(p, s.番, out, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒後);
    out.消去_思考中();
    out.待ち時間(0.5f);
    out.効果音(音::駒打);
    ++s.数.手順番号;
    out.Timer1有効設定(false);
}

}  // namespace

void com_ban(局面& p, 勢力地図& m, COM思考状態& c, 進行状態& s, 手順リスト& list, 手番出力& out) {
    if (s.番.勝者 != 0) return;
    s.時間.手番開始時刻 = out.現在秒();
    if (out.KEIKAチェック済()) out.Timer1有効設定(true);
    思考中表示(out);
    探索表示 notify(out);
    const COM指し手 mv = COM探索(p, m, c, s, &notify);
    if (!mv.有り) {
        投了(s, out);
        return;
    }
    指す(p, s, list, out, mv);
    勢力調査(p, m);
    // A taken king is announced as the win; the mate test only runs while the king stands.
    if (s.番.勝者 == 0 && 詰めかMAN(p, m) == 1) {
        out.メッセージ("よし！!", "詰め ?");
    } else if (s.番.勝者 == s.番.COM番) {
        out.消去_移動結果(s.番.COM番);
        out.メッセージ("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了");
        s.番.手番 = s.番.MAN番;
        return;
    } else if (m.勢力COM[p.MAN王X][p.MAN王Y] > 0) {
        out.メッセージ("   ** 王手 **", "");
    }
    out.描画_移動結果(s.番.COM番, mv.先X, mv.先Y, mv.駒後, 色_白);
    out.描画_桝輪郭(色_白, mv.先X, mv.先Y);
    s.時間.COM時間 += s.時間.経過秒;
    s.時間.手番開始時刻 = out.現在秒();
    s.番.手番 = s.番.MAN番;
    if (out.KEIKAチェック済()) out.Timer1有効設定(true);
}

}  // namespace yukora
