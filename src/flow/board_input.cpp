// Mouse presses on the window: choosing pieces, moving, dropping and promoting.
#include <cmath>

#include "display/grid.h"
#include "display/move_caption.h"
#include "flow/game.h"
#include "game/move_list.h"
#include "game/palette.h"
#include "influence/survey.h"
#include "panel/panel_commands.h"
#include "rules/making_move.h"
#include "rules/mate.h"
#include "rules/move_legality.h"

namespace yukora {

namespace {
constexpr int 色_選択 = 色_明赤, 色_消去 = 色_黒, 色_文字 = 色_白;
}  // namespace

void ゲーム::Form_MouseDown(int button, int shift, float x, float y) {
    (void)shift;
    進行状態& s = 状態.進行;
    棋譜パネル_閉じる(窓口_.panel);
    if (s.番.棋譜モード == 1) {
        if (!窓口_.dialog.質問("棋譜を '進 'で進めて下さい", "棋譜")) {
            効果音(音::禁止);
            初期設定();
        }
        return;
    }
    if (s.番.勝者 != 0) {
        窓口_.dialog.メッセージ("新規に対局してください", "終局");
        return;
    }
    const int c = static_cast<int>(std::floor((x - float{盤原点X}) / float{桝幅}));
    const int r = static_cast<int>(std::floor((y - float{盤原点Y}) / float{桝高}));
    if (s.番.手番 == 0) {
        効果音(音::禁止);
        窓口_.dialog.メッセージ("「対局」で始めて下さい", "開始");
        return;
    }
    if (s.番.対局モード == 0) {
        if (s.番.再開待ち == 1) {
            s.番.再開待ち = 0;
            s.時間.手番開始時刻 = 窓口_.clock.現在秒();
            if (状態.設定.印.KEIKA) 窓口_.timer.有効設定(true);
            窓口_.dialog.メッセージ(s.番.手番 == 1 ? "先手の番です" : "後手の番です", "対局");
        }
    } else if (s.番.手番 == s.番.COM番) {
        s.番.再開待ち = 0;
        窓口_.dialog.メッセージ("OKですか？", "再開(COM)");
        com_ban();
    } else if (s.番.手番 == s.番.MAN番 && s.番.再開待ち == 1) {
        s.番.再開待ち = 0;
        s.時間.手番開始時刻 = 窓口_.clock.現在秒();
        if (状態.設定.印.KEIKA) 窓口_.timer.有効設定(true);
        窓口_.dialog.メッセージ("MANの番です", "対局");
    }
    if (c >= 1 && c <= 9 && r >= 1 && r <= 9) {
        if (s.選択.選択状態 == 0) 盤の駒を選ぶ(c, r);
        else 移動先を選ぶ(c, r, button);
    } else {
        手持ちの駒を選ぶ(c, r);
    }
}

void ゲーム::盤の駒を選ぶ(int c, int r) {
    進行状態& s = 状態.進行;
    const int code = 状態.盤面.盤[c][r];
    if (code == 0) return;
    s.選択.元X = c;
    s.選択.元Y = r;
    s.選択.選択駒 = code;
    表示_.描画_移動可能桝色(c, r, 状態.設定.指導色, s.選択.選択駒, 状態.設定.移動指導フラグ);
    const bool 手番の駒 =
        (code <= -10 && s.番.手番 == s.番.MAN番) || (code >= 10 && s.番.手番 == s.番.COM番);
    if (手番の駒) {
        表示_.描画_桝輪郭(色_選択, c, r);
        s.選択.選択状態 = 1;
    } else {
        表示_.描画_桝輪郭(状態.設定.指導色, c, r);
    }
}

void ゲーム::移動先を選ぶ(int c, int r, int button) {
    進行状態& s = 状態.進行;
    局面& p = 状態.盤面;
    s.選択.先X = c;
    s.選択.先Y = r;
    const int 先 = p.盤[c][r];
    const bool 相手の持駒 = (s.選択.元X == 敵持駒列 && s.番.手番 == s.番.MAN番) ||
                            (s.選択.元X == 自持駒列 && s.番.手番 == s.番.COM番);
    if (相手の持駒) {
        表示_.描画_移動可能桝色(s.選択.元X, s.選択.元Y, 色_消去, s.選択.選択駒,
                                状態.設定.移動指導フラグ);
        表示_.描画_桝輪郭(色_消去, s.選択.元X, s.選択.元Y);
        s.選択.選択状態 = 0;
    } else if ((先 <= -10 && s.番.手番 == s.番.MAN番) || (先 >= 10 && s.番.手番 == s.番.COM番)) {
        表示_.描画_桝輪郭(色_消去, s.選択.元X, s.選択.元Y);
        s.選択.元X = c;
        s.選択.元Y = r;
        s.選択.選択駒 = 先;
        表示_.描画_移動可能桝色(c, r, 状態.設定.指導色, s.選択.選択駒, 状態.設定.移動指導フラグ);
        表示_.描画_桝輪郭(色_選択, c, r);
    } else if (移動チェック(p, s.選択.元X, s.選択.元Y, c, r, s.選択.選択駒) == 0) {
        効果音(音::禁止);
        s.選択.選択状態 = 0;
        表示_.描画_将棋盤桝();
        // A hand slot lies off the board: its outline goes with the cancelled selection too.
        if (s.選択.元X == 自持駒列 || s.選択.元X == 敵持駒列)
            表示_.描画_桝輪郭(色_消去, s.選択.元X, s.選択.元Y);
    } else if (移動後チェック(r, s.選択.選択駒) == 0 && button != ボタン_右) {
        効果音(音::禁止);
        窓口_.dialog.メッセージ("マウスの右をクリックして下さい", "成り");
    } else if (s.番.対局モード == 対局モード_エンジン && !エンジン対局で指せるか(button)) {
        // Refused by the full rules (or the clock); it has said why.
    } else {
        人の手を指す(button);
    }
}

void ゲーム::人の手を指す(int button) {
    進行状態& s = 状態.進行;
    局面& p = 状態.盤面;
    // The move costs the time since the turn began, whether or not the timer has been ticking.
    s.時間.経過秒 = 調査_経過秒(s.時間.手番開始時刻, 窓口_.clock.現在秒());
    const bool 上手番 = s.番.対局モード == 0 && s.番.手番 == -1;
    手順保存(状態.手順, p, s.数, s.時間.MAN時間,
             上手番 ? s.時間.MAN時間 : s.時間.MAN時間 + s.時間.経過秒, s.時間.COM時間,
             上手番 ? s.時間.COM時間 + s.時間.経過秒 : s.時間.COM時間);
    ++s.数.手数;
    表示_.描画_手数(s.数.手数, 色_文字);
    if (調査_駒成(s.選択.元X, s.選択.元Y, s.選択.先X, s.選択.先Y, s.選択.選択駒, s.選択.成駒) ==
            1 &&
        button == ボタン_右)
        s.選択.選択駒 = s.選択.成駒;
    s.選択.選択状態 = 0;
    表示_.描画_桝輪郭(色_消去, s.選択.元X, s.選択.元Y);
    表示_.描画_桝輪郭(色_消去, s.選択.先X, s.選択.先Y);
    表示_.描画_移動可能桝色(s.選択.元X, s.選択.元Y, 色_消去, s.選択.選択駒,
                            状態.設定.移動指導フラグ);
    if (s.選択.元X == 敵持駒列) s.選択.元Y = 敵持駒行の種類(s.選択.元Y);
    const int 取駒 = p.盤[s.選択.先X][s.選択.先Y];
    駒移動(p, s.番, 表示_, s.選択.元X, s.選択.元Y, s.選択.先X, s.選択.先Y, s.選択.選択駒);
    効果音(音::駒打);
    ++s.数.手順番号;
    描画_移動結果(表示_, s.番, s.選択.選択駒 >= 10 ? s.番.COM番 : s.番.MAN番, s.選択.先X,
                  s.選択.先Y, s.選択.選択駒, 色_文字);
    勢力表示を合わせる();
    if (s.番.対局モード == 対局モード_エンジン) return エンジン対局で人が指した();
    if (s.番.対局モード == 1) {
        窓口_.timer.有効設定(false);
        s.時間.MAN時間 += s.時間.経過秒;
        勢力調査(p, 状態.勢力);
        const int 詰み = 詰めかCOM(p, 状態.勢力);
        if (詰み == 1 || 取駒 == 王) {
            s.番.勝者 = s.番.MAN番;
            窓口_.dialog.メッセージ("あなたの勝ちです", "終了");
        } else {
            s.番.手番 = s.番.COM番;
            com_ban();
        }
        return;
    }
    if (s.番.勝者 != 0 && s.番.勝者 == s.番.MAN番)
        窓口_.dialog.メッセージ("先手の勝ちです", "終了");
    else if (s.番.勝者 != 0 && s.番.勝者 == s.番.COM番)
        窓口_.dialog.メッセージ("後手の勝ちです", "終了");
    if (s.番.手番 == 1) {
        s.番.手番 = -1;
        s.時間.MAN時間 += s.時間.経過秒;
    } else if (s.番.手番 == -1) {
        s.番.手番 = 1;
        s.時間.COM時間 += s.時間.経過秒;
    }
    s.時間.手番開始時刻 = 窓口_.clock.現在秒();
}

void ゲーム::手持ちの駒を選ぶ(int c, int r) {
    進行状態& s = 状態.進行;
    局面& p = 状態.盤面;
    if (s.選択.選択駒 != 0) {
        表示_.描画_移動可能桝色(s.選択.元X, s.選択.元Y, 色_消去, s.選択.選択駒,
                                状態.設定.移動指導フラグ);
        表示_.描画_桝輪郭(色_消去, s.選択.元X, s.選択.元Y);
    }
    int code = 0;
    bool 手番の持駒 = false;
    if (c == 自持駒列 && r >= 自持駒の行(持駒_歩) && r <= 自持駒の行(持駒_飛)) {
        if (p.MAN持駒[自持駒行の種類(r)] == 0) return;
        code = -持駒の駒(自持駒行の種類(r));
        手番の持駒 = s.番.手番 == s.番.MAN番;
    } else if (c == 敵持駒列 && r >= 敵持駒の行(持駒_飛) && r <= 敵持駒の行(持駒_歩)) {
        if (p.COM持駒[敵持駒行の種類(r)] == 0) return;
        code = 持駒の駒(敵持駒行の種類(r));
        手番の持駒 = s.番.手番 == s.番.COM番;
    } else {
        return;
    }
    調査_2歩フラグ設定(p);
    s.選択.選択状態 = 1;
    s.選択.元X = c;
    s.選択.元Y = r;
    s.選択.選択駒 = code;
    表示_.描画_桝輪郭(手番の持駒 ? 色_選択 : 状態.設定.指導色, c, r);
    表示_.描画_移動可能桝色(c, r, 状態.設定.指導色, code, 状態.設定.移動指導フラグ);
}

}  // namespace yukora
