#include "computer/evaluation.h"

#include <gtest/gtest.h>

#include "computer/fixtures.h"

namespace yukora {
namespace {

using test::候補の点;
using test::持たせる;
using test::王だけの局面;
using test::置く;

TEST(盤評価, 王を取れば自玉が攻められていても9999) {
    局面 p = 王だけの局面(5, 5, 1, 1);
    置く(p, 5, 4, 金);
    置く(p, 1, 9, -飛);  // attacks the computer's king up column 1
    for (int level = 1; level <= 3; ++level) {
        EXPECT_EQ(候補の点(p, 5, 4, 5, 5, 金, level), 王取り点);
        EXPECT_EQ(候補の点(p, 5, 4, 4, 4, 金, level), -詰め点);
    }
}

// The human king on (5,9) between its own lances; (4,8), (5,8) and (6,8) are covered.
局面 詰めの局面() {
    局面 p = 王だけの局面(5, 9, 9, 1);
    置く(p, 4, 9, -香);
    置く(p, 6, 9, -香);
    return p;
}

TEST(盤評価, 歩で詰めると負け扱いでほかの駒なら9998) {
    局面 p = 詰めの局面();
    置く(p, 5, 7, 金);
    for (int level = 1; level <= 3; ++level) {
        EXPECT_EQ(候補の点(p, -1, 持駒_歩, 5, 8, 歩, level), -詰め点);
        EXPECT_EQ(候補の点(p, -1, 持駒_金, 5, 8, 金, level), 詰め点);
        EXPECT_EQ(候補の点(p, -1, 持駒_銀, 5, 8, 銀, level), 詰め点);
    }
    // A pawn moved on the board may not mate either.
    局面 q = 詰めの局面();
    置く(q, 5, 7, 歩);
    置く(q, 4, 7, 金);
    置く(q, 6, 7, 銀);
    EXPECT_EQ(候補の点(q, 5, 7, 5, 8, 歩, 3), -詰め点);
}

TEST(盤評価, 駒を取らない手はレベル1でも駒別の項まで数えレベル2では数えない) {
    // A lance step that takes nothing: its own term is exactly -0.9.
    局面 p = 王だけの局面(1, 9, 9, 1);
    置く(p, 5, 2, 香);
    const 点数 l1 = 候補の点(p, 5, 2, 5, 4, 香, 1);
    const 点数 l2 = 候補の点(p, 5, 2, 5, 4, 香, 2);
    const 点数 l3 = 候補の点(p, 5, 2, 5, 4, 香, 3);
    EXPECT_EQ(l1, l3);
    EXPECT_EQ(l3 - l2, -9);
}

TEST(盤評価, 駒を取る手はレベル1で大駒取りの加点の後に打ち切る) {
    // A gold takes an undefended pawn: the free capture is worth the pawn from level 2 on.
    局面 p = 王だけの局面(1, 9, 9, 1);
    置く(p, 5, 5, 金);
    置く(p, 5, 6, -歩);
    const 点数 l1 = 候補の点(p, 5, 5, 5, 6, 金, 1);
    const 点数 l2 = 候補の点(p, 5, 5, 5, 6, 金, 2);
    EXPECT_EQ(l2 - l1, 点(10));

    // Taking a rook with a gold gets the rook's value at level 1 already.
    局面 q = 王だけの局面(1, 9, 9, 1);
    置く(q, 5, 5, 金);
    置く(q, 5, 6, -飛);
    局面 r = q;
    r.盤[5][6] = -金;
    const 点数 飛取り = 候補の点(q, 5, 5, 5, 6, 金, 1);
    const 点数 金取り = 候補の点(r, 5, 5, 5, 6, 金, 1);
    EXPECT_EQ(飛取り - 金取り, 点(900));
}

TEST(盤評価, 成り香成り桂成り銀には駒別の項がない) {
    局面 p = 王だけの局面(1, 9, 9, 1);
    置く(p, 5, 6, 香);
    置く(p, 3, 5, 桂);
    置く(p, 7, 6, 銀);
    EXPECT_EQ(候補の点(p, 5, 6, 5, 7, 香成, 3), 候補の点(p, 5, 6, 5, 7, 香成, 2));
    EXPECT_EQ(候補の点(p, 3, 5, 2, 7, 桂成, 3), 候補の点(p, 3, 5, 2, 7, 桂成, 2));
    EXPECT_EQ(候補の点(p, 7, 6, 7, 7, 銀成, 3), 候補の点(p, 7, 6, 7, 7, 銀成, 2));
    // Left unpromoted the same moves do get their terms.
    EXPECT_NE(候補の点(p, 5, 6, 5, 7, 香, 3), 候補の点(p, 5, 6, 5, 7, 香, 2));
    EXPECT_NE(候補の点(p, 3, 5, 2, 7, 桂, 3), 候補の点(p, 3, 5, 2, 7, 桂, 2));
}

TEST(盤評価, 王は三段目より下で15と段の数を失い五筋を離れて1を得る) {
    局面 p = 王だけの局面(1, 9, 5, 2);
    EXPECT_EQ(候補の点(p, 5, 2, 5, 3, 王, 3) - 候補の点(p, 5, 2, 5, 3, 王, 2), -点(15 + 3));
    EXPECT_EQ(候補の点(p, 5, 2, 4, 2, 王, 3) - 候補の点(p, 5, 2, 4, 2, 王, 2), 点(1));
}

TEST(盤評価, 香打ちの串刺しは奥の駒の値) {
    // A lance dropped on (5,5), guarded by the gold, behind the human silver with the human
    // rook further down the file.
    局面 p = 王だけの局面(1, 9, 9, 1);
    置く(p, 5, 4, 金);
    置く(p, 5, 6, -銀);
    置く(p, 5, 8, -飛);
    EXPECT_EQ(候補の点(p, -1, 持駒_香, 5, 5, 香, 3) - 候補の点(p, -1, 持駒_香, 5, 5, 香, 2),
              点(900));
    // With the file empty behind the silver there is nothing to skewer.
    p.盤[5][8] = 0;
    EXPECT_EQ(候補の点(p, -1, 持駒_香, 5, 5, 香, 3) - 候補の点(p, -1, 持駒_香, 5, 5, 香, 2), 0);
}

// The same candidate scored with different distances of the move's origin to the human king.
点数 距離を変えた点(const 局面& before, int 先X, int 先Y, int 元距離) {
    test::探索一式 t = test::候補の局面(before, -1, 持駒_金, 先X, 先Y, 金, 2);
    t.c.移動元王距離 = 元距離;
    return 盤評価(t.p, t.m, t.c, 2, 0, 金, -1, 持駒_金, 先X, 先Y);
}

TEST(盤評価, 王への接近は筋で近づけば1でそうでなくても段の距離より遠くから来れば0点1) {
    局面 p = 王だけの局面(5, 9, 9, 1);
    // (2,8): three columns and one row from the king.
    const 点数 基準 = 距離を変えた点(p, 2, 8, 1);
    EXPECT_EQ(距離を変えた点(p, 2, 8, 4) - 基準, 点(1));
    EXPECT_EQ(距離を変えた点(p, 2, 8, 3) - 基準, 1);  // no nearer in columns, nearer than the row
    EXPECT_EQ(距離を変えた点(p, 2, 8, 2) - 基準, 1);
    // (5,6): on the king's column, three rows away.
    const 点数 同じ筋 = 距離を変えた点(p, 5, 6, 3);
    EXPECT_EQ(距離を変えた点(p, 5, 6, 4) - 同じ筋, 1);
    EXPECT_EQ(距離を変えた点(p, 5, 6, 0), 同じ筋);
}

TEST(盤評価, 行き場の少ない飛の減点は盤上の移動だけで打ちにはない) {
    // The rook ends on (1,1) between its own golds on (2,1) and (1,3), with (1,2) its only
    // square: moved there from (1,2) it loses 35, dropped there nothing.
    局面 p = 王だけの局面(9, 9, 9, 1);
    置く(p, 2, 1, 金);
    置く(p, 1, 3, 金);
    局面 動かす = p;
    置く(動かす, 1, 2, 飛);
    const 点数 移動 = 候補の点(動かす, 1, 2, 1, 1, 飛, 3) - 候補の点(動かす, 1, 2, 1, 1, 飛, 2);
    EXPECT_EQ(移動, -点(35));
    持たせる(p, true, 持駒_飛, 1);
    const 点数 打ち = 候補の点(p, -1, 持駒_飛, 1, 1, 飛, 3) - 候補の点(p, -1, 持駒_飛, 1, 1, 飛, 2);
    EXPECT_EQ(打ち, 0);
}

}  // namespace
}  // namespace yukora
