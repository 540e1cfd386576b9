#include "computer/evaluation.h"

#include <gtest/gtest.h>

#include "computer/fixtures.h"

namespace yukora {
namespace {

using test::候補の点;

// The placed piece's own terms: what level 3 adds to level 2 for the same candidate.
点数 駒別の項(const 局面& p, int 元X, int 元Y, int 先X, int 先Y, int 駒) {
    return 候補の点(p, 元X, 元Y, 先X, 先Y, 駒, 3) - 候補の点(p, 元X, 元Y, 先X, 先Y, 駒, 2);
}

TEST(盤評価, 王を取れば自玉が攻められていても9999) {
    // attacks the computer's king up column 1
    局面 p = test::盤面(R"(
        k . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . g . . . .
        . . . . K . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        R . . . . . . . .
    )");
    for (int level = 1; level <= 3; ++level) {
        EXPECT_EQ(候補の点(p, 5, 4, 5, 5, 金, level), 王取り点);
        EXPECT_EQ(候補の点(p, 5, 4, 4, 4, 金, level), -詰め点);
    }
}

TEST(盤評価, 歩で詰めると負け扱いでほかの駒なら9998) {
    // The human king on (5,9) between its own lances; the gold covers (4,8), (5,8) and (6,8).
    局面 p = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . g . . . .
        . . . . . . . . .
        . . . L K L . . .
    )");
    for (int level = 1; level <= 3; ++level) {
        EXPECT_EQ(候補の点(p, 敵持駒列, 持駒_歩, 5, 8, 歩, level), -詰め点);
        EXPECT_EQ(候補の点(p, 敵持駒列, 持駒_金, 5, 8, 金, level), 詰め点);
        EXPECT_EQ(候補の点(p, 敵持駒列, 持駒_銀, 5, 8, 銀, level), 詰め点);
    }
    // A pawn moved on the board may not mate either.
    局面 q = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . g p s . . .
        . . . . . . . . .
        . . . L K L . . .
    )");
    EXPECT_EQ(候補の点(q, 5, 7, 5, 8, 歩, 3), -詰め点);
}

TEST(盤評価, 駒を取らない手はレベル1でも駒別の項まで数えレベル2では数えない) {
    // A lance step that takes nothing: its own term is exactly -0.9.
    局面 p = test::盤面(R"(
        . . . . . . . . k
        . . . . l . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        K . . . . . . . .
    )");
    const 点数 l1 = 候補の点(p, 5, 2, 5, 4, 香, 1);
    const 点数 l2 = 候補の点(p, 5, 2, 5, 4, 香, 2);
    const 点数 l3 = 候補の点(p, 5, 2, 5, 4, 香, 3);
    EXPECT_EQ(l1, l3);
    EXPECT_EQ(l3 - l2, -9);
}

TEST(盤評価, 駒を取る手はレベル1で大駒取りの加点の後に打ち切る) {
    // A gold takes an undefended pawn: the free capture is worth the pawn from level 2 on.
    局面 p = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . g . . . .
        . . . . P . . . .
        . . . . . . . . .
        . . . . . . . . .
        K . . . . . . . .
    )");
    const 点数 l1 = 候補の点(p, 5, 5, 5, 6, 金, 1);
    const 点数 l2 = 候補の点(p, 5, 5, 5, 6, 金, 2);
    EXPECT_EQ(l2 - l1, 点(10));

    // Taking a rook with a gold gets the rook's value at level 1 already.
    局面 q = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . g . . . .
        . . . . R . . . .
        . . . . . . . . .
        . . . . . . . . .
        K . . . . . . . .
    )");
    局面 r = q;
    r.盤[5][6] = -金;
    const 点数 飛取り = 候補の点(q, 5, 5, 5, 6, 金, 1);
    const 点数 金取り = 候補の点(r, 5, 5, 5, 6, 金, 1);
    EXPECT_EQ(飛取り - 金取り, 点(900));
}

TEST(盤評価, 成り香成り桂成り銀には駒別の項がない) {
    局面 p = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . n . . . . . .
        . . . . l . s . .
        . . . . . . . . .
        . . . . . . . . .
        K . . . . . . . .
    )");
    // Left unpromoted the same moves do get their terms.
    const struct {
        int 元X, 元Y, 先X, 先Y, 駒;
        bool 項あり;
    } 表[] = {
        {5, 6, 5, 7, 香成, false}, {3, 5, 2, 7, 桂成, false}, {7, 6, 7, 7, 銀成, false},
        {5, 6, 5, 7, 香, true},    {3, 5, 2, 7, 桂, true},
    };
    for (const auto& c : 表) {
        const 点数 項 = 駒別の項(p, c.元X, c.元Y, c.先X, c.先Y, c.駒);
        if (c.項あり) {
            EXPECT_NE(項, 0) << c.駒;
        } else {
            EXPECT_EQ(項, 0) << c.駒;
        }
    }
}

TEST(盤評価, 王は三段目より下で15と段の数を失い五筋を離れて1を得る) {
    局面 p = test::盤面(R"(
        . . . . . . . . .
        . . . . k . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        K . . . . . . . .
    )");
    EXPECT_EQ(駒別の項(p, 5, 2, 5, 3, 王), -点(15 + 3));
    EXPECT_EQ(駒別の項(p, 5, 2, 4, 2, 王), 点(1));
}

TEST(盤評価, 香打ちの串刺しは奥の駒の値) {
    // A lance dropped on (5,5), guarded by the gold, behind the human silver with the human
    // rook further down the file.
    局面 p = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . g . . . .
        . . . . . . . . .
        . . . . S . . . .
        . . . . . . . . .
        . . . . R . . . .
        K . . . . . . . .
    )");
    EXPECT_EQ(駒別の項(p, 敵持駒列, 持駒_香, 5, 5, 香), 点(900));
    // With the file empty behind the silver there is nothing to skewer.
    p.盤[5][8] = 0;
    EXPECT_EQ(駒別の項(p, 敵持駒列, 持駒_香, 5, 5, 香), 0);
}

// The same candidate scored with different distances of the move's origin to the human king.
点数 距離を変えた点(const 局面& before, int 先X, int 先Y, int 元距離) {
    test::探索一式 t = test::候補の局面(before, 敵持駒列, 持駒_金, 先X, 先Y, 金, 2);
    t.c.移動元王距離 = 元距離;
    return 盤評価(t.p, t.m, t.c, 2, 0, 金, 敵持駒列, 持駒_金, 先X, 先Y);
}

TEST(盤評価, 王への接近は筋で近づけば1でそうでなくても段の距離より遠くから来れば0点1) {
    局面 p = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . K . . . .
    )");
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
    局面 動かす = test::盤面(R"(
        . g . . . . . . k
        r . . . . . . . .
        g . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . K
    )");
    EXPECT_EQ(駒別の項(動かす, 1, 2, 1, 1, 飛), -点(35));
    局面 p = test::盤面(R"(
        . g . . . . . . k
        . . . . . . . . .
        g . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . K
    )",
                        "r");
    EXPECT_EQ(駒別の項(p, 敵持駒列, 持駒_飛, 1, 1, 飛), 0);
}

}  // namespace
}  // namespace yukora
