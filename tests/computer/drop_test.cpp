// Drops on their own: the five points every drop pays, and which of equal drops is played.
#include <gtest/gtest.h>

#include "computer/evaluation.h"
#include "computer/fixtures.h"

namespace yukora {
namespace {

using test::候補の点;

TEST(盤評価, 打ちは同じ桝に盤上から来た駒より5点低い) {
    // The same candidate position scored twice at level 2: once as a drop, once as though the
    // piece had stepped there from an empty neighbouring square. Without the terms of the
    // placed piece (some of which look at the origin), nothing else tells the two apart.
    const struct {
        int 種類, 駒;
        const char* 持駒;
        int 先X, 先Y, 元X, 元Y;
    } 場合[] = {
        {持駒_金, 金, "g", 3, 5, 3, 4},
        {持駒_銀, 銀, "s", 7, 6, 7, 5},
        {持駒_歩, 歩, "p", 2, 4, 2, 3},
    };
    for (const auto& c : 場合) {
        SCOPED_TRACE(c.駒);
        局面 p = test::盤面(R"(
            . . . . k . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . K . . . .
        )",
                            c.持駒);
        test::探索一式 drop = test::候補の局面(p, 敵持駒列, c.種類, c.先X, c.先Y, c.駒, 2);
        drop.c.移動元王距離 = 5;
        test::探索一式 step = drop;
        const 点数 打ち =
            盤評価(drop.p, drop.m, drop.c, 2, 0, c.駒, 敵持駒列, c.種類, c.先X, c.先Y);
        const 点数 盤上 = 盤評価(step.p, step.m, step.c, 2, 0, c.駒, c.元X, c.元Y, c.先X, c.先Y);
        EXPECT_EQ(盤上 - 打ち, 点(5));
    }
}

TEST(COM探索, 同点の打ちは先に調べた筋の方を選ぶ) {
    // Kings face each other on the fifth file; the computer holds a knight. The board and its
    // mirror image are the same, so each drop scores as its mirror drop does; of the best
    // pair the drop on the lower column, tried first, is played.
    局面 p = test::盤面(R"(
        . . . . k . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . K . . . .
    )",
                        "n");
    const COM指し手 mv = test::探索する(p, 3);
    ASSERT_TRUE(mv.有り);
    ASSERT_EQ(mv.元X, -1);
    ASSERT_EQ(mv.元Y, 持駒_桂);
    ASSERT_NE(mv.先X, 5);  // a drop with a twin
    EXPECT_LT(mv.先X, 5);
    EXPECT_EQ(候補の点(p, 敵持駒列, 持駒_桂, mv.先X, mv.先Y, 桂, 3),
              候補の点(p, 敵持駒列, 持駒_桂, 10 - mv.先X, mv.先Y, 桂, 3));
}

}  // namespace
}  // namespace yukora
