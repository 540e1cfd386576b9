#include "usi/think.h"

#include <gtest/gtest.h>

#include "computer/side_search.h"
#include "rules/making_move.h"
#include "usi/position_command.h"
#include "usi/usi_move.h"
#include "usi_test_support.h"

namespace yukora {
namespace {

// The position after the first `n` moves of the recorded game.
USI局面 実戦の局面(std::size_t n) {
    static const std::vector<std::string> moves = test::実戦の指し手();
    std::string text = "startpos moves";
    for (std::size_t i = 0; i < n && i < moves.size(); ++i) text += " " + moves[i];
    USI局面 pos;
    EXPECT_EQ(position命令を読む(text, pos), "") << n;
    return pos;
}

constexpr std::size_t 実戦の手数例[] = {1, 17, 42, 43, 46, 53, 66, 85, 98};

// The answer is the game's search for the side to move (tested in tests/computer) written in
// USI, with its score: played on the position, the USI move leaves the position the search's
// move leaves.
TEST(思考, 手番側の探索の手と点をUSIで返す) {
    for (const std::size_t n : 実戦の手数例) {
        const USI局面 pos = 実戦の局面(n);
        for (int level = 1; level <= 3; ++level) {
            SCOPED_TRACE(std::to_string(n) + " level " + std::to_string(level));
            const 手番側の探索結果 want = 手番側の探索(pos.p, pos.手番 == 先手, level);
            const 思考結果 got = 思考(pos, level);
            ASSERT_TRUE(want.手.有り);
            ASSERT_TRUE(got.有り);
            USI局面 by_usi = pos;
            ASSERT_EQ(USI指し手を指す(by_usi, got.指し手), "") << USI指し手書込(got.指し手);
            局面 by_search = pos.p;
            手番型 番;
            描画なし 描かない;
            駒移動(by_search, 番, 描かない, want.手.元X, want.手.元Y, want.手.先X, want.手.先Y,
                   want.手.駒後);
            EXPECT_EQ(by_usi.p.盤, by_search.盤) << USI指し手書込(got.指し手);
            EXPECT_EQ(by_usi.p.MAN持駒, by_search.MAN持駒);
            EXPECT_EQ(by_usi.p.COM持駒, by_search.COM持駒);
            EXPECT_EQ(got.点十倍, want.手.点十倍);
            EXPECT_EQ(got.評価回数, want.評価回数);
        }
    }
}

}  // namespace
}  // namespace yukora
