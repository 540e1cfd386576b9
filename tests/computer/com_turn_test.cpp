#include "computer/com_turn.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "computer/fixtures.h"
#include "computer/recording_output.h"
#include "influence/survey.h"
#include "rules/initial_setup.h"
#include "rules/mate.h"

namespace yukora {
namespace {

using test::持たせる;
using test::王だけの局面;
using test::置く;

using Lines = std::vector<std::string>;

// A game against the computer with the computer (top side, 1) to move.
struct COMの手番 : ::testing::Test {
    局面 p;
    勢力地図 m;
    COM思考状態 c;
    進行状態 s;
    手順リスト list;
    test::記録する手番出力 out;

    void 始める(const 局面& start) {
        p = start;
        s.番.対局モード = 1;
        s.番.MAN番 = -1;
        s.番.COM番 = 1;
        s.番.手番 = 1;
        s.時間.経過秒 = 99;  // left from an earlier turn: the move is charged its own time
        s.時間.COM時間 = 30;
        out.刻み = 12.5f;  // from the turn's start to its move
        勢力調査(p, m);
    }
    void 指させる() { com_ban(p, m, c, s, list, out); }
};

TEST_F(COMの手番, 考えて指し記録し表示して手番を返す) {
    局面 start;
    初期配置(start);
    始める(start);
    指させる();

    const Lines head(out.記録.begin(), out.記録.begin() + 6);
    EXPECT_EQ(head, (Lines{"Timer1 on", "消去_思考中", "描画_数値 思考中 -1.5 8.5 0 0 12",
                           "描画_数値 思考中 -1.6 8.4 15 0 12", "描画_桝輪郭 0 1 8", "表示更新"}));
    // One clock call per origin column; the hand is empty, so no drop kinds.
    EXPECT_EQ(out.選ぶ("Timer1_Timer").size(), 9u);

    EXPECT_EQ(s.数.手数, 1);
    EXPECT_EQ(s.数.手順番号, 1);
    EXPECT_EQ(s.番.手番, s.番.MAN番);
    EXPECT_FLOAT_EQ(s.時間.COM時間, 42.5f);
    EXPECT_EQ(list.参照(0).盤, start.盤);  // the position before the move is recorded
    EXPECT_FLOAT_EQ(list.参照(0).COM時間後, 42.5f);
    EXPECT_NE(p.盤, start.盤);
    EXPECT_TRUE(out.選ぶ("メッセージ").empty());

    // The blink, the move's drawing, the pause and the sound, the notation, the outline.
    const auto blink = std::find(out.記録.begin(), out.記録.end(), "描画_手数 1 15");
    ASSERT_NE(blink, out.記録.end());
    EXPECT_EQ(*(blink + 1), "描画_駒点滅 10 7 3 2");  // the pawn on (7,3) steps forward
    EXPECT_EQ(p.盤[7][4], 歩);
    const Lines tail(out.記録.end() - 7, out.記録.end());
    EXPECT_EQ(tail, (Lines{"消去_思考中", "待ち時間 0.5", "効果音 駒打音.wav", "Timer1 off",
                           "描画_移動結果 1 7 4 10 15", "描画_桝輪郭 15 7 4", "Timer1 on"}));
}

TEST_F(COMの手番, 経過時間が切ってあればタイマーは止まったまま) {
    局面 start;
    初期配置(start);
    始める(start);
    out.KEIKA = false;
    指させる();
    EXPECT_EQ(out.選ぶ("Timer1 o"), (Lines{"Timer1 off"}));
    EXPECT_FALSE(out.タイマー);
}

TEST_F(COMの手番, 詰めればよしと言って手番を返す) {
    局面 start = 王だけの局面(5, 9, 9, 1);
    置く(start, 4, 9, -香);
    置く(start, 6, 9, -香);
    置く(start, 5, 7, 歩);
    持たせる(start, true, 持駒_金, 1);
    始める(start);
    指させる();
    EXPECT_EQ(p.盤[5][8], 金);
    EXPECT_EQ(p.COM持駒[持駒_金], 0);
    EXPECT_EQ(p.COM持駒数, 0);
    EXPECT_EQ(out.選ぶ("描画_駒点滅"), (Lines{"描画_駒点滅 110 -1 3 2"}));  // the gold's hand slot
    EXPECT_EQ(out.選ぶ("メッセージ"), (Lines{"メッセージ [よし！!] [詰め ?]"}));
    EXPECT_EQ(out.選ぶ("描画_移動結果"), (Lines{"描画_移動結果 1 5 8 110 15"}));
    EXPECT_EQ(s.番.勝者, 0);
    EXPECT_EQ(s.番.手番, s.番.MAN番);
}

TEST_F(COMの手番, 王手を知らせる) {
    局面 start = 王だけの局面(5, 5, 9, 1);
    置く(start, 5, 3, 歩);
    持たせる(start, true, 持駒_金, 1);
    始める(start);
    指させる();
    EXPECT_EQ(p.盤[5][4], 金);
    EXPECT_EQ(out.選ぶ("メッセージ"), (Lines{"メッセージ [   ** 王手 **] []"}));
    EXPECT_EQ(s.番.手番, s.番.MAN番);
}

TEST_F(COMの手番, 王を取れば勝ちを告げ詰めの知らせは出さない) {
    // After the gold takes the king in the corner every square around is covered, which the
    // mate test would read as mate of the king that is no longer there.
    局面 start = 王だけの局面(1, 9, 9, 1);
    置く(start, 1, 8, 金);
    置く(start, 1, 5, 香);
    置く(start, 2, 7, 歩);
    始める(start);
    指させる();
    EXPECT_EQ(p.盤[1][9], 金);
    EXPECT_EQ(s.番.勝者, s.番.COM番);
    EXPECT_EQ(s.番.手番, s.番.MAN番);
    EXPECT_EQ(out.選ぶ("メッセージ"), (Lines{"メッセージ [ｺﾝﾋﾟｭｰﾀの勝ちです] [終了]"}));
    EXPECT_EQ(out.選ぶ("消去_移動結果"), (Lines{"消去_移動結果 1"}));
    EXPECT_TRUE(out.選ぶ("描画_移動結果").empty());
    EXPECT_EQ(out.記録.back(), "メッセージ [ｺﾝﾋﾟｭｰﾀの勝ちです] [終了]");
    EXPECT_FALSE(out.タイマー);
    EXPECT_EQ(s.数.手順番号, 1);
    勢力調査(p, m);
    EXPECT_EQ(詰めかMAN(p, m), 1);  // what the mate test says of the position left behind
}

TEST_F(COMの手番, 指す手がなければ投了する) {
    局面 start = 王だけの局面(9, 1, 1, 9);
    置く(start, 1, 8, 歩);
    置く(start, 2, 8, 歩);
    置く(start, 2, 9, 歩);
    始める(start);
    指させる();
    EXPECT_EQ(p.盤, start.盤);
    EXPECT_EQ(s.番.勝者, s.番.MAN番);
    EXPECT_EQ(s.数.手数, 0);
    EXPECT_EQ(s.数.手順番号, 0);
    EXPECT_EQ(out.選ぶ("メッセージ"), (Lines{"メッセージ [あなたの勝ちです] [終了]"}));
    EXPECT_TRUE(out.選ぶ("描画_駒点滅").empty());
    EXPECT_FALSE(out.タイマー);
}

TEST_F(COMの手番, 終わった対局では何もしない) {
    局面 start;
    初期配置(start);
    始める(start);
    s.番.勝者 = s.番.MAN番;
    指させる();
    EXPECT_TRUE(out.記録.empty());
    EXPECT_EQ(p.盤, start.盤);
    EXPECT_EQ(s.番.手番, 1);
}

}  // namespace
}  // namespace yukora
