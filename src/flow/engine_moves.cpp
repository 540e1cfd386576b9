// The moves of an engine game: the person's, checked by the full rules before they are made;
// an engine's, judged, then shown and recorded as the computer's are (without its pauses);
// the computer's when it plays an engine.
#include <algorithm>
#include <cmath>

#include "computer/com_turn.h"
#include "computer/side_search.h"
#include "display/grid.h"
#include "display/move_caption.h"
#include "engine/declaration.h"
#include "flow/game.h"
#include "game/palette.h"
#include "panel/panel_commands.h"
#include "rules/making_move.h"
#include "rules/usi_notation.h"

namespace yukora {

void ゲーム::エンジン対局の押下(int button, int X, int Y) {
    進行状態& s = 状態.進行;
    棋譜パネル_閉じる(窓口_.panel);
    if (エンジン_->終わった) {
        窓口_.dialog.メッセージ("新規に対局してください", "終局");
        return;
    }
    if (エンジン_->準備中) {
        効果音(音::禁止);
        return;
    }
    // After 戻 or 進 the next press goes on from the position shown.
    if (s.番.再開待ち == 1) {
        s.番.再開待ち = 0;
        エンジン対局の手番();
    }
    if (エンジン_->下.者 != 指す者::人 || s.番.手番 != s.番.MAN番) return;
    const int c = static_cast<int>(std::floor(static_cast<double>(X - 盤原点X) / 桝幅));
    const int r = static_cast<int>(std::floor(static_cast<double>(Y - 盤原点Y) / 桝高));
    if (c >= 1 && c <= 9 && r >= 1 && r <= 9) {
        if (s.選択.選択状態 == 0) 盤の駒を選ぶ(c, r);
        else 移動先を選ぶ(c, r, button);
    } else {
        手持ちの駒を選ぶ(c, r);
    }
    知らせを出す();
}

bool ゲーム::エンジン対局で指せるか(int button) {
    進行状態& s = 状態.進行;
    エンジン対局& g = *エンジン_;
    if (g.時計.切れたか(経過ミリ秒())) {
        エンジン対局の終わり(終局理由::切れ負け, s.番.COM番, "あなたの時間切れです");
        return false;
    }
    盤の手 mv{s.選択.元X, s.選択.元Y, s.選択.先X, s.選択.先Y, s.選択.選択駒, s.選択.選択駒};
    int 成駒 = 0;
    if (button == ボタン_右 && 調査_駒成(mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒前, 成駒) == 1)
        mv.駒後 = 成駒;
    const 指定の手 m = USIの手に(mv, g.下が先手);
    const 手の判定 j = 手を確かめる(USIの局面(), m);
    if (j.理由 != 反則::なし) {
        効果音(音::禁止);
        s.選択.選択状態 = 0;
        表示_.描画_将棋盤桝();
        if (mv.元X == 自持駒列 || mv.元X == 敵持駒列) 表示_.描画_桝輪郭(色_黒, mv.元X, mv.元Y);
        窓口_.dialog.メッセージ(反則の説明(j.理由), "反則");
        return false;
    }
    g.人の手 = USI手を書く(m);
    g.人の手の王手 = j.王手;
    return true;
}

void ゲーム::エンジン対局で人が指した() {
    進行状態& s = 状態.進行;
    エンジン対局& g = *エンジン_;
    s.時間.MAN時間 += s.時間.経過秒;
    g.時計.手を終える(経過ミリ秒());
    s.番.手番 = s.番.COM番;
    if (指した手を記録(g.人の手, g.人の手の王手)) return;
    エンジン対局の手番();
}

void ゲーム::エンジンの答え(bool 下側, const 最善手& b) {
    エンジン対局& g = *エンジン_;
    const int 自分 = 状態.進行.番.手番;
    const std::string name = 対局者名(下側);
    if (!g.時計.手を終える(経過ミリ秒()))
        return エンジン対局の終わり(終局理由::切れ負け, -自分, name + "の時間切れです");
    if (b.種類 == 答えの種類::投了)
        return エンジン対局の終わり(終局理由::投了, -自分, name + "が投了しました");
    const 手番付き局面 pos = USIの局面();
    if (b.種類 == 答えの種類::勝ち) {
        if (入玉宣言できるか(pos))
            return エンジン対局の終わり(終局理由::入玉勝ち, 自分, name + "が入玉を宣言しました");
        return エンジン対局の終わり(終局理由::反則負け, -自分,
                                    name + "の入玉宣言は条件を満たしていません");
    }
    const 手の判定 j = 手を確かめる(pos, b.手);
    if (j.理由 != 反則::なし)
        return エンジン対局の終わり(終局理由::反則負け, -自分,
                                    name + "の指し手 " + b.手 + " は" + 反則の説明(j.理由));
    判定した手を指す(j, 下側);
}

void ゲーム::判定した手を指す(const 手の判定& j, bool 下側) {
    進行状態& s = 状態.進行;
    エンジン対局& g = *エンジン_;
    盤に指す(盤の手に(USIの局面(), j.手, g.下が先手), 下側);
    s.番.手番 = -s.番.手番;
    if (指した手を記録(USI手を書く(j.手), j.王手)) return;
    if (g.下.者 == 指す者::人) {
        if (g.投了待ち) return 人の投了();
        // Against the person the move is announced as the computer's is.
        switch (調査_COMの手の後(状態.盤面, 状態.勢力, s.番)) {
            case COMの手の知らせ::詰め: 保留の知らせ_.emplace_back("よし！!", "詰め ?"); break;
            case COMの手の知らせ::王手: 保留の知らせ_.emplace_back("   ** 王手 **", ""); break;
            default: break;
        }
    }
    エンジン対局の手番();
}

// Record, move, sound, the move's notation and its square outlined.
void ゲーム::盤に指す(const 盤の手& mv, bool 下側) {
    進行状態& s = 状態.進行;
    エンジン対局& g = *エンジン_;
    s.時間.経過秒 = 調査_経過秒(s.時間.手番開始時刻, 窓口_.clock.現在秒());
    const float M = s.時間.MAN時間, C = s.時間.COM時間, e = s.時間.経過秒;
    手順保存(状態.手順, 状態.盤面, s.数, M, 下側 ? M + e : M, C, 下側 ? C : C + e);
    ++s.数.手数;
    表示_.描画_手数(s.数.手数, 色_白);
    駒移動(状態.盤面, s.番, 表示_, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒後);
    if (!下側) 表示_.消去_思考中();
    効果音(音::駒打);
    ++s.数.手順番号;
    描画_移動結果(表示_, s.番, 下側 ? s.番.MAN番 : s.番.COM番, mv.先X, mv.先Y, mv.駒後, 色_白);
    if (g.枠X != 0) 表示_.描画_桝輪郭(色_黒, g.枠X, g.枠Y);
    表示_.描画_桝輪郭(色_白, mv.先X, mv.先Y);
    g.枠X = mv.先X;
    g.枠Y = mv.先Y;
    (下側 ? s.時間.MAN時間 : s.時間.COM時間) += e;
    勢力表示を合わせる();
}

bool ゲーム::指した手を記録(const std::string& usi, bool 王手) {
    進行状態& s = 状態.進行;
    エンジン対局& g = *エンジン_;
    const std::size_t k = std::min(
        g.指し手.size(), static_cast<std::size_t>(std::max(0, s.数.手順番号 - 1 - g.基点)));
    g.指し手.resize(k);
    g.指し手.push_back(usi);
    g.千日手.戻す(k + 1);
    const int 手番 = s.番.手番;
    const bool 手番が下 = 手番 == s.番.MAN番;
    switch (g.千日手.加える(状態.盤面, 手番, 王手)) {
        case 千日手判定::なし: return false;
        case 千日手判定::千日手: エンジン対局の終わり(終局理由::千日手, 0, "千日手です"); break;
        case 千日手判定::連続王手:
            エンジン対局の終わり(終局理由::反則勝ち, 手番,
                                 "連続王手の千日手です\n" + 対局者名(!手番が下) + "の反則負けです");
            break;
        case 千日手判定::連続王手された:
            エンジン対局の終わり(終局理由::反則負け, -手番,
                                 "連続王手の千日手です\n" + 対局者名(手番が下) + "の反則負けです");
            break;
    }
    return true;
}

void ゲーム::COMに指させる() {
    進行状態& s = 状態.進行;
    const bool 下側 = s.番.手番 == s.番.MAN番;
    エンジン_->時計.手を終える(経過ミリ秒());
    const 手番側の探索結果 r = 手番側の探索(状態.盤面, 下側, s.強さ.レベル);
    if (!r.手.有り)
        return エンジン対局の終わり(終局理由::投了, -s.番.手番, 対局者名(下側) + "が投了しました");
    const 盤の手 mv{r.手.元X, r.手.元Y, r.手.先X, r.手.先Y, r.手.駒前, r.手.駒後};
    const 指定の手 m = USIの手に(mv, エンジン_->下が先手);
    const 手の判定 j = 手を確かめる(USIの局面(), m);
    if (j.理由 != 反則::なし)
        return エンジン対局の終わり(
            終局理由::反則負け, -s.番.手番,
            対局者名(下側) + "の指し手 " + USI手を書く(m) + " は" + 反則の説明(j.理由));
    判定した手を指す(j, 下側);
}

}  // namespace yukora
