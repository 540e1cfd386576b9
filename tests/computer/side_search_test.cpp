// The search for whichever side is to move, on a turned-round copy for the bottom side.
#include "computer/side_search.h"

#include <gtest/gtest.h>

#include "computer/fixtures.h"
#include "rules/making_move.h"
#include "rules/move_legality.h"

namespace yukora {
namespace {

// Is the move, as given back in the position's own coordinates, one the rules allow there?
bool 指せるか(局面 p, const COM指し手& mv) {
    調査_2歩フラグ設定(p);
    if (mv.元X == 敵持駒列 || mv.元X == 自持駒列)
        return mv.駒前 == mv.駒後 && 移動チェック(p, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒後) == 1;
    return p.盤[mv.元X][mv.元Y] == mv.駒前 &&
           移動チェック(p, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒前) == 1;
}

TEST(手番側の探索, 上の手番ではゲームの探索そのまま) {
    for (const int plies : {1, 21, 47, 73}) {
        const 局面 p = test::棋譜の局面(GAMES_DIR "/real-game-1.csa", plies);
        for (int level = 1; level <= 3; ++level) {
            const COM指し手 want = test::探索する(p, level);
            const 手番側の探索結果 got = 手番側の探索(p, false, level);
            ASSERT_TRUE(got.手.有り);
            EXPECT_EQ(got.手.元X, want.元X);
            EXPECT_EQ(got.手.元Y, want.元Y);
            EXPECT_EQ(got.手.先X, want.先X);
            EXPECT_EQ(got.手.先Y, want.先Y);
            EXPECT_EQ(got.手.駒後, want.駒後);
            EXPECT_EQ(got.手.点十倍, want.点十倍);
            EXPECT_GT(got.評価回数, 0);
        }
    }
}

TEST(手番側の探索, 下の手番では回した局面の手を戻した指せる手) {
    for (const int plies : {0, 20, 46, 72, 98}) {
        const 局面 p = test::棋譜の局面(GAMES_DIR "/real-game-1.csa", plies);
        const 局面 before = p;
        局面 turned = p;
        局面反転(turned);
        for (int level = 1; level <= 3; ++level) {
            const 手番側の探索結果 got = 手番側の探索(p, true, level);
            const COM指し手 top = test::探索する(turned, level);
            ASSERT_TRUE(got.手.有り);
            EXPECT_TRUE(指せるか(p, got.手)) << plies << " level " << level;
            EXPECT_LE(got.手.駒後, -10);
            EXPECT_EQ(got.手.先X, 10 - top.先X);
            EXPECT_EQ(got.手.先Y, 10 - top.先Y);
            EXPECT_EQ(got.手.駒後, -top.駒後);
            EXPECT_EQ(got.手.点十倍, top.点十倍);
        }
        EXPECT_EQ(p.盤, before.盤);
        EXPECT_EQ(p.MAN持駒, before.MAN持駒);
        EXPECT_EQ(p.MAN王X, before.MAN王X);
    }
}

TEST(手番側の探索, 下の手番の打ちは自分の持駒の桝から) {
    // the bottom side mates with a gold drop on 5二
    局面 p = test::盤面(R"(
        . . . . k . . . .
        . . . . . . . . .
        . . . . P . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . K . . . .
    )",
                        "G");
    const 手番側の探索結果 got = 手番側の探索(p, true, 3);
    ASSERT_TRUE(got.手.有り);
    EXPECT_EQ(got.手.元X, 自持駒列);
    EXPECT_EQ(got.手.元Y, 持駒_金 + 2);
    EXPECT_EQ(got.手.先X, 5);
    EXPECT_EQ(got.手.先Y, 2);
    EXPECT_EQ(got.手.駒後, -金);
    EXPECT_TRUE(指せるか(p, got.手));

    // the same seen from the top side
    局面 q = test::盤面(R"(
        . . . . k . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . p . . . .
        . . . . . . . . .
        . . . . K . . . .
    )",
                        "g");
    const 手番側の探索結果 top = 手番側の探索(q, false, 3);
    EXPECT_EQ(top.手.元X, 敵持駒列);
    EXPECT_EQ(top.手.元Y, 持駒_金);
    EXPECT_EQ(top.手.先Y, 8);
}

TEST(手番側の探索, 指せる手がなければ無し) {
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
    )");
    p.盤[5][9] = 0;  // the bottom side has nothing at all
    EXPECT_FALSE(手番側の探索(p, true, 3).手.有り);
}

}  // namespace
}  // namespace yukora
