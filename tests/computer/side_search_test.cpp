// The search for whichever side is to move, on a turned-round copy for the bottom side.
#include "computer/side_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

#include "computer/fixtures.h"
#include "rules/making_move.h"
#include "rules/move_enumeration.h"
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

// Positions of the recorded game, each with the side to move in it (sente, the bottom, after an
// even number of moves).
struct 手番の局面 {
    局面 p;
    bool 下の手番;
};
std::vector<手番の局面> 実戦の局面たち() {
    std::vector<手番の局面> list;
    for (const int plies : {1, 17, 42, 43, 46, 53, 66, 85, 98})
        list.push_back({test::棋譜の局面(GAMES_DIR "/real-game-1.csa", plies), plies % 2 == 0});
    return list;
}

TEST(手番側の探索, レベルで選ぶ手が変わる局面がある) {
    // Guards the tests above and those of the adapters: they would not notice a level that is
    // not passed on unless the levels choose differently somewhere among their positions.
    int 違い = 0;
    for (const 手番の局面& t : 実戦の局面たち()) {
        COM指し手 by[4];
        for (int level = 1; level <= 3; ++level)
            by[level] = 手番側の探索(t.p, t.下の手番, level).手;
        const auto same = [](const COM指し手& a, const COM指し手& b) {
            return a.元X == b.元X && a.元Y == b.元Y && a.先X == b.先X && a.先Y == b.先Y &&
                   a.駒後 == b.駒後;
        };
        違い += !same(by[1], by[2]) + !same(by[2], by[3]) + !same(by[1], by[3]);
    }
    EXPECT_GT(違い, 3);
}

TEST(手番側の探索, 同じ局面とレベルには前に何をしても同じ答え) {
    const std::vector<手番の局面> list = 実戦の局面たち();
    const 手番の局面& t = list[2];
    const 手番側の探索結果 first = 手番側の探索(t.p, t.下の手番, 3);
    for (std::size_t i = 0; i < list.size(); ++i)
        手番側の探索(list[i].p, list[i].下の手番, 1 + static_cast<int>(i % 3));
    const 手番側の探索結果 again = 手番側の探索(t.p, t.下の手番, 3);
    EXPECT_EQ(std::tie(again.手.元X, again.手.元Y, again.手.先X, again.手.先Y, again.手.駒後),
              std::tie(first.手.元X, first.手.元Y, first.手.先X, first.手.先Y, first.手.駒後));
    EXPECT_EQ(again.手.点十倍, first.手.点十倍);
    EXPECT_EQ(again.評価回数, first.評価回数);
}

using 手の形 = std::tuple<int, int, int, int>;  // origin (a hand slot for a drop), destination

class 集め final : public 候補の受け {
public:
    std::vector<COM指し手> 手;
    void 候補(const COM指し手& m) override { 手.push_back(m); }
};

// Every candidate, turned back, is a move of the side to move that the rules allow there, each
// once (a promotion and its refusal are one candidate), together all that 手を並べる lists; the
// best of them, the earliest of equal scores, is the search's move with its score.
TEST(手番側の全候補, 指せる手を一度ずつ渡し一番は探索の手) {
    std::vector<手番の局面> list = 実戦の局面たち();
    list.push_back({test::盤面("4k4/9/4P4/9/9/9/9/9/4K4", "G"), true});
    list.push_back({test::盤面("4k4/9/9/9/9/9/4p4/9/4K4", "g"), false});
    for (const 手番の局面& t : list) {
        局面 p = t.p;
        調査_2歩フラグ設定(p);
        std::set<手の形> 指せる;
        手を並べる(p, t.下の手番 ? 1 : -1, [&](int 元X, int 元Y, int 先X, int 先Y, int) {
            指せる.insert({元X, 元Y, 先X, 先Y});
            return true;
        });
        for (int level = 1; level <= 3; ++level) {
            集め all;
            const long n = 手番側の全候補(t.p, t.下の手番, level, all);
            const 手番側の探索結果 search = 手番側の探索(t.p, t.下の手番, level);
            EXPECT_GE(n, search.評価回数);
            std::set<手の形> listed;
            for (const COM指し手& m : all.手) {
                EXPECT_TRUE(listed.insert({m.元X, m.元Y, m.先X, m.先Y}).second);
                EXPECT_TRUE(指せるか(p, m));
            }
            EXPECT_EQ(listed, 指せる) << level;
            ASSERT_FALSE(all.手.empty());
            const auto best = std::max_element(
                all.手.begin(), all.手.end(),
                [](const COM指し手& a, const COM指し手& b) { return a.点十倍 < b.点十倍; });
            EXPECT_EQ(
                std::tie(best->元X, best->元Y, best->先X, best->先Y, best->駒後, best->点十倍),
                std::tie(search.手.元X, search.手.元Y, search.手.先X, search.手.先Y, search.手.駒後,
                         search.手.点十倍))
                << level;
        }
    }
}

}  // namespace
}  // namespace yukora
