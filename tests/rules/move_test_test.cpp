#include "rules/move_test.h"

#include <gtest/gtest.h>

#include "rules/making_move.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::局面を作る;

TEST(移動チェック, 盤外と同じ桝と自駒への移動は不可) {
    局面 p = 局面を作る({{5, 5, -金}, {5, 4, -歩}, {4, 4, 歩}});
    EXPECT_EQ(移動チェック(p, 5, 5, 5, 5, -金), 0);
    EXPECT_EQ(移動チェック(p, 5, 5, 5, 4, -金), 0);  // own pawn
    EXPECT_EQ(移動チェック(p, 5, 5, 4, 4, -金), 1);  // enemy pawn
    EXPECT_EQ(移動チェック(p, 5, 4, 5, 0, -歩), 0);  // off the board
    EXPECT_EQ(移動チェック(p, 5, 5, 10, 5, -飛), 0);
    EXPECT_EQ(移動チェック(p, 4, 4, 5, 4, 歩), 0);  // a top pawn does not move sideways
    EXPECT_EQ(移動チェック(p, 4, 4, 4, 5, 歩), 1);
}

TEST(移動チェック, 敵の王も取れる) {
    局面 p = 局面を作る({{5, 5, -銀}, {4, 4, 王}, {6, 6, 王}});
    EXPECT_EQ(移動チェック(p, 5, 5, 4, 4, -銀), 1);  // diagonal forward
    EXPECT_EQ(移動チェック(p, 5, 5, 6, 6, -銀), 1);  // diagonal back
    EXPECT_EQ(移動チェック(p, 5, 5, 5, 6, -銀), 0);  // straight back is not a silver move
}

TEST(移動チェック, 香と飛は飛び越せない) {
    局面 p = 局面を作る({{1, 9, -香}, {1, 5, 歩}, {5, 5, 飛}, {5, 8, -歩}, {8, 5, -歩}});
    EXPECT_EQ(移動チェック(p, 1, 9, 1, 5, -香), 1);  // the blocker is the destination
    EXPECT_EQ(移動チェック(p, 1, 9, 1, 4, -香), 0);
    EXPECT_EQ(移動チェック(p, 1, 9, 1, 9 + 1, -香), 0);
    EXPECT_EQ(移動チェック(p, 5, 5, 5, 8, 飛), 1);
    EXPECT_EQ(移動チェック(p, 5, 5, 5, 9, 飛), 0);
    EXPECT_EQ(移動チェック(p, 5, 5, 8, 5, 飛), 1);
    EXPECT_EQ(移動チェック(p, 5, 5, 9, 5, 飛), 0);
    EXPECT_EQ(移動チェック(p, 5, 5, 1, 5, 飛), 0);  // own pawn
    EXPECT_EQ(移動チェック(p, 5, 5, 2, 5, 飛), 1);
    EXPECT_EQ(移動チェック(p, 5, 5, 6, 6, 飛), 0);    // not a line
    EXPECT_EQ(移動チェック(p, 5, 5, 6, 6, 飛成), 1);  // the dragon's diagonal step
    EXPECT_EQ(移動チェック(p, 5, 5, 7, 7, 飛成), 0);
}

TEST(移動チェック, 角の四方向と遮り) {
    局面 p = 局面を作る({{5, 5, -角}, {7, 3, 歩}, {3, 7, -歩}});
    EXPECT_EQ(移動チェック(p, 5, 5, 7, 3, -角), 1);  // up right, capture
    EXPECT_EQ(移動チェック(p, 5, 5, 8, 2, -角), 0);  // behind the pawn
    EXPECT_EQ(移動チェック(p, 5, 5, 2, 8, -角), 0);  // behind own pawn, down left
    EXPECT_EQ(移動チェック(p, 5, 5, 1, 1, -角), 1);  // up left
    EXPECT_EQ(移動チェック(p, 5, 5, 9, 9, -角), 1);  // down right
    EXPECT_EQ(移動チェック(p, 5, 5, 5, 4, -角), 0);
    EXPECT_EQ(移動チェック(p, 5, 5, 5, 4, -角成), 1);  // the horse's sideways step
    EXPECT_EQ(移動チェック(p, 5, 5, 5, 3, -角成), 0);
}

TEST(移動チェック, 桂と金の動き) {
    局面 p = 局面を作る({{5, 5, -桂}, {5, 2, 桂}, {3, 3, -と}});
    EXPECT_EQ(移動チェック(p, 5, 5, 4, 3, -桂), 1);
    EXPECT_EQ(移動チェック(p, 5, 5, 6, 3, -桂), 1);
    EXPECT_EQ(移動チェック(p, 5, 5, 5, 3, -桂), 0);
    EXPECT_EQ(移動チェック(p, 5, 2, 4, 4, 桂), 1);
    EXPECT_EQ(移動チェック(p, 3, 3, 2, 2, -と), 1);
    EXPECT_EQ(移動チェック(p, 3, 3, 2, 4, -と), 0);  // no diagonal step back
    EXPECT_EQ(移動チェック(p, 3, 3, 3, 4, -と), 1);
}

TEST(移動チェック, 打ちの規則) {
    局面 p = 局面を作る({{5, 5, 歩}, {3, 4, -と}});
    調査_2歩フラグ設定(p);
    EXPECT_EQ(移動チェック(p, 自持駒列, 3, 5, 5, -金), 0);  // occupied
    EXPECT_EQ(移動チェック(p, 自持駒列, 3, 4, 1, -歩), 0);  // last row
    EXPECT_EQ(移動チェック(p, 自持駒列, 3, 4, 2, -歩), 1);
    EXPECT_EQ(移動チェック(p, 自持駒列, 4, 4, 1, -香), 0);
    EXPECT_EQ(移動チェック(p, 自持駒列, 5, 4, 2, -桂), 0);
    EXPECT_EQ(移動チェック(p, 自持駒列, 5, 4, 3, -桂), 1);
    EXPECT_EQ(移動チェック(p, 自持駒列, 6, 4, 1, -銀), 1);
    EXPECT_EQ(移動チェック(p, 敵持駒列, 1, 4, 9, 歩), 0);
    EXPECT_EQ(移動チェック(p, 敵持駒列, 2, 4, 9, 香), 0);
    EXPECT_EQ(移動チェック(p, 敵持駒列, 3, 4, 8, 桂), 0);
    EXPECT_EQ(移動チェック(p, 敵持駒列, 3, 4, 7, 桂), 1);
    EXPECT_EQ(移動チェック(p, 敵持駒列, 7, 4, 9, 飛), 1);
    // Two pawns: a top pawn in column 5; a promoted pawn in column 3 does not count.
    EXPECT_EQ(移動チェック(p, 敵持駒列, 1, 5, 7, 歩), 0);
    EXPECT_EQ(移動チェック(p, 自持駒列, 3, 3, 6, -歩), 1);
    EXPECT_EQ(移動チェック(p, 自持駒列, 3, 5, 7, -歩), 1);  // the other side's pawn is no bar
}

TEST(移動チェック, 王手放置も打ち歩詰めも判定しない) {
    // The bottom king stays attacked by the rook after the gold moves away: still allowed.
    局面 p = 局面を作る({{5, 9, -王}, {5, 8, -金}, {5, 1, 飛}});
    EXPECT_EQ(移動チェック(p, 5, 8, 4, 8, -金), 1);
    // A pawn dropped in front of a boxed-in top king.
    局面 q = 局面を作る({{1, 1, 王}, {2, 1, 香}, {1, 3, -香}});
    調査_2歩フラグ設定(q);
    EXPECT_EQ(移動チェック(q, 自持駒列, 3, 1, 2, -歩), 1);
}

}  // namespace
}  // namespace yukora
