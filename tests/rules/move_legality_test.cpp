#include "rules/move_legality.h"

#include <gtest/gtest.h>

#include <span>

#include "rules/making_move.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::盤面;

struct 手と結果 {
    int 元X, 元Y, 先X, 先Y, 駒;
    int 結果;  // 1: allowed
    const char* 説明;
};

// Each move tested on the same board.
void 判定する(const 局面& p, std::span<const 手と結果> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.元X << ", " << c.元Y << ") -> (" << c.先X
                                        << ", " << c.先Y << ") " << c.駒 << " " << c.説明);
        EXPECT_EQ(移動チェック(p, c.元X, c.元Y, c.先X, c.先Y, c.駒), c.結果);
    }
}

TEST(移動チェック, 盤外と同じ桝と自駒への移動は不可) {
    局面 p = 盤面(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . p P . . . .
        . . . . G . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
    )");
    const 手と結果 表[] = {
        {5, 5, 5, 5, -金, 0, ""},
        {5, 5, 5, 4, -金, 0, "own pawn"},
        {5, 5, 4, 4, -金, 1, "enemy pawn"},
        {5, 4, 5, 0, -歩, 0, "off the board"},
        {5, 5, 10, 5, -飛, 0, ""},
        {4, 4, 5, 4, 歩, 0, "a top pawn does not move sideways"},
        {4, 4, 4, 5, 歩, 1, ""},
    };
    判定する(p, 表);
}

TEST(移動チェック, 敵の王も取れる) {
    局面 p = 盤面(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . k . . . . .
        . . . . S . . . .
        . . . . . k . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
    )");
    const 手と結果 表[] = {
        {5, 5, 4, 4, -銀, 1, "diagonal forward"},
        {5, 5, 6, 6, -銀, 1, "diagonal back"},
        {5, 5, 5, 6, -銀, 0, "straight back is not a silver move"},
    };
    判定する(p, 表);
}

TEST(移動チェック, 香と飛は飛び越せない) {
    局面 p = 盤面(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        p . . . r . . P .
        . . . . . . . . .
        . . . . . . . . .
        . . . . P . . . .
        L . . . . . . . .
    )");
    const 手と結果 表[] = {
        {1, 9, 1, 5, -香, 1, "the blocker is the destination"},
        {1, 9, 1, 4, -香, 0, ""},
        {1, 9, 1, 9 + 1, -香, 0, ""},
        {5, 5, 5, 8, 飛, 1, ""},
        {5, 5, 5, 9, 飛, 0, ""},
        {5, 5, 8, 5, 飛, 1, ""},
        {5, 5, 9, 5, 飛, 0, ""},
        {5, 5, 1, 5, 飛, 0, "own pawn"},
        {5, 5, 2, 5, 飛, 1, ""},
        {5, 5, 6, 6, 飛, 0, "not a line"},
        {5, 5, 6, 6, 飛成, 1, "the dragon's diagonal step"},
        {5, 5, 7, 7, 飛成, 0, ""},
    };
    判定する(p, 表);
}

TEST(移動チェック, 角の四方向と遮り) {
    局面 p = 盤面(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . p . .
        . . . . . . . . .
        . . . . B . . . .
        . . . . . . . . .
        . . P . . . . . .
        . . . . . . . . .
        . . . . . . . . .
    )");
    const 手と結果 表[] = {
        {5, 5, 7, 3, -角, 1, "up right, capture"},
        {5, 5, 8, 2, -角, 0, "behind the pawn"},
        {5, 5, 2, 8, -角, 0, "behind own pawn, down left"},
        {5, 5, 1, 1, -角, 1, "up left"},
        {5, 5, 9, 9, -角, 1, "down right"},
        {5, 5, 5, 4, -角, 0, ""},
        {5, 5, 5, 4, -角成, 1, "the horse's sideways step"},
        {5, 5, 5, 3, -角成, 0, ""},
    };
    判定する(p, 表);
}

TEST(移動チェック, 桂と金の動き) {
    局面 p = 盤面(R"(
        . . . . . . . . .
        . . . . n . . . .
        . .+P . . . . . .
        . . . . . . . . .
        . . . . N . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
    )");
    const 手と結果 表[] = {
        {5, 5, 4, 3, -桂, 1, "a knight's jump to the left"},
        {5, 5, 6, 3, -桂, 1, "a knight's jump to the right"},
        {5, 5, 5, 3, -桂, 0, "no jump straight ahead"},
        {5, 2, 4, 4, 桂, 1, "a top knight jumps down"},
        {3, 3, 2, 2, -と, 1, "a promoted pawn steps like a gold"},
        {3, 3, 2, 4, -と, 0, "no diagonal step back"},
        {3, 3, 3, 4, -と, 1, "a step straight back"},
    };
    判定する(p, 表);
}

TEST(移動チェック, 打ちの規則) {
    局面 p = 盤面(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . .+P . . . . . .
        . . . . p . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
    )");
    調査_2歩フラグ設定(p);
    const 手と結果 表[] = {
        {自持駒列, 3, 5, 5, -金, 0, "occupied"},
        {自持駒列, 3, 4, 1, -歩, 0, "a pawn on the last row"},
        {自持駒列, 3, 4, 2, -歩, 1, "a pawn on the second row"},
        {自持駒列, 4, 4, 1, -香, 0, "a lance on the last row"},
        {自持駒列, 5, 4, 2, -桂, 0, "a knight on the second row"},
        {自持駒列, 5, 4, 3, -桂, 1, "a knight on the third row"},
        {自持駒列, 6, 4, 1, -銀, 1, "a silver anywhere"},
        {敵持駒列, 1, 4, 9, 歩, 0, "a top pawn on its last row"},
        {敵持駒列, 2, 4, 9, 香, 0, "a top lance on its last row"},
        {敵持駒列, 3, 4, 8, 桂, 0, "a top knight on its second row"},
        {敵持駒列, 3, 4, 7, 桂, 1, "a top knight on its third row"},
        {敵持駒列, 7, 4, 9, 飛, 1, "a top rook anywhere"},
        // Two pawns: a top pawn in column 5; a promoted pawn in column 3 does not count.
        {敵持駒列, 1, 5, 7, 歩, 0, "a second top pawn in column 5"},
        {自持駒列, 3, 3, 6, -歩, 1, "beside a promoted pawn"},
        {自持駒列, 3, 5, 7, -歩, 1, "the other side's pawn is no bar"},
    };
    判定する(p, 表);
}

TEST(移動チェック, 王手放置も打ち歩詰めも判定しない) {
    // The bottom king stays attacked by the rook after the gold moves away: still allowed.
    局面 p = 盤面(R"(
        . . . . r . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . G . . . .
        . . . . K . . . .
    )");
    EXPECT_EQ(移動チェック(p, 5, 8, 4, 8, -金), 1);
    // A pawn dropped in front of a boxed-in top king.
    局面 q = 盤面(R"(
        k l . . . . . . .
        . . . . . . . . .
        L . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
    )");
    調査_2歩フラグ設定(q);
    EXPECT_EQ(移動チェック(q, 自持駒列, 3, 1, 2, -歩), 1);
}

}  // namespace
}  // namespace yukora
