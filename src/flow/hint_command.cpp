// "ヒント": the computer's own choice for the side to move, shown but not played.
#include "computer/king_safety.h"
#include "computer/side_search.h"
#include "flow/game.h"
#include "game/move_text.h"
#include "rules/start_position.h"

namespace yukora {
namespace {

constexpr const char* ヒント題 = "ヒント";
constexpr int 色_ヒント = 13;  // light magenta, apart from the selection and the last move

// Why there is no hint now; none when the side to move may ask.
const char* 断る理由(const 進行状態& s, const 局面& p) {
    if (s.番.棋譜モード == 1) return "棋譜ﾓｰﾄﾞではできません";
    if (s.番.手番 == 0) return "「対局」で始めて下さい";
    if (s.番.勝者 != 0) return "新規に対局してください";
    if (s.番.対局モード == 1 && s.番.手番 == s.番.COM番) return "ｺﾝﾋﾟｭｰﾀの番です";
    // The search weighs both kings: a problem's position has one.
    if (!両方の玉があるか(p)) return "玉が片方にしかない局面ではできません";
    return nullptr;
}

// Why the side that may ask gets no move named; none when it gets one.
const char* 手がない理由(const 手番側の探索結果& r, const 局面& p, bool 下の手番) {
    if (!r.手.有り) return "指せる手がありません";
    // Every move leaves the king to be taken: the game is lost, there is nothing to suggest.
    if (!王を守れる手がある(p, 下の手番)) return "負けです。王を守る手がありません";
    return nullptr;
}

}  // namespace

void ゲーム::HINT_Click() {
    const 進行状態& s = 状態.進行;
    if (const char* 理由 = 断る理由(s, 状態.盤面)) {
        効果音(音::禁止);
        窓口_.dialog.メッセージ(理由, ヒント題);
        return;
    }
    // The search runs on a copy of the position, in a state of its own.
    const bool 下の手番 = s.番.手番 == s.番.MAN番;
    const 手番側の探索結果 r = 手番側の探索(状態.盤面, 下の手番, s.強さ.レベル);
    if (const char* 手がない = 手がない理由(r, 状態.盤面, 下の手番)) {
        効果音(音::禁止);
        窓口_.dialog.メッセージ(手がない, ヒント題);
        return;
    }
    const COM指し手& mv = r.手;
    // A top drop names its kind, a bottom drop already its slot's row.
    const int 元Y = mv.元X == 敵持駒列 ? 敵持駒の行(mv.元Y) : mv.元Y;
    ヒント枠_ = {
        true, mv.元X, 元Y, 表示_.輪郭色(mv.元X, 元Y), mv.先X, mv.先Y, 表示_.輪郭色(mv.先X, mv.先Y)};
    表示_.描画_桝輪郭(色_ヒント, mv.元X, 元Y);
    表示_.描画_桝輪郭(色_ヒント, mv.先X, mv.先Y);
    窓口_.dialog.メッセージ(記譜(mv.先X, mv.先Y, mv.駒後), ヒント題);
}

void ゲーム::ヒント枠を消す() {
    if (!ヒント枠_.有り) return;
    ヒント枠_.有り = false;
    表示_.描画_桝輪郭(ヒント枠_.先色, ヒント枠_.先X, ヒント枠_.先Y);
    表示_.描画_桝輪郭(ヒント枠_.元色, ヒント枠_.元X, ヒント枠_.元Y);
}

}  // namespace yukora
