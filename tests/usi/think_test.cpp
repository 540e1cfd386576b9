#include "usi/think.h"

#include <gtest/gtest.h>

#include "computer/search.h"
#include "influence/survey.h"
#include "usi/position_command.h"
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

// The game's own search on a position with gote (the top side) to move, the way the game
// starts the computer's turn: fresh state, one survey, then the search.
COM指し手 ゲームの探索(const USI局面& pos, int level) {
    局面 p = pos.p;
    勢力地図 m;
    COM思考状態 c;
    進行状態 s;
    s.強さ.レベル = level;
    勢力調査(p, m);
    return COM探索(p, m, c, s);
}

std::string 指し手の文字列(const COM指し手& r) {
    USI指し手 m;
    if (r.元X < 0) {
        m.打駒種類 = r.元Y;
    } else {
        m.元X = r.元X;
        m.元Y = r.元Y;
        m.成り = r.駒後 != r.駒前;
    }
    m.先X = r.先X;
    m.先Y = r.先Y;
    return USI指し手書込(m);
}

constexpr std::size_t 実戦の手数例[] = {1, 17, 42, 43, 46, 53, 66, 85, 98};

TEST(思考, 後手番ではゲームの探索と同じ手と点を返す) {
    for (const std::size_t n : 実戦の手数例) {
        const USI局面 pos = 実戦の局面(n);
        if (pos.手番 != 後手) continue;
        for (int level = 1; level <= 3; ++level) {
            const COM指し手 want = ゲームの探索(pos, level);
            const 思考結果 got = 思考(pos, level);
            ASSERT_TRUE(want.有り);
            ASSERT_TRUE(got.有り);
            EXPECT_EQ(USI指し手書込(got.指し手), 指し手の文字列(want)) << n << " level " << level;
            EXPECT_EQ(got.点十倍, want.点十倍) << n << " level " << level;
        }
    }
}

TEST(思考, 先手番では盤を回した局面の手を戻して返す) {
    for (const std::size_t n : 実戦の手数例) {
        const USI局面 pos = 実戦の局面(n);
        if (pos.手番 != 先手) continue;
        // The turned position is built from the text, without the engine's own turning.
        const USI局面 turned = test::SFENの局面(test::SFEN反転(SFEN書込(pos)));
        for (int level = 1; level <= 3; ++level) {
            const COM指し手 want = ゲームの探索(turned, level);
            const 思考結果 got = 思考(pos, level);
            ASSERT_TRUE(got.有り);
            EXPECT_EQ(USI指し手書込(got.指し手), test::指し手反転(指し手の文字列(want)))
                << n << " level " << level;
            EXPECT_EQ(got.点十倍, want.点十倍) << n << " level " << level;
        }
    }
}

TEST(思考, レベルで選ぶ手が変わる局面がある) {
    // Guards the two tests above: they would not notice a level that is not passed on
    // unless the levels choose differently somewhere among their positions.
    int 違い = 0;
    for (const std::size_t n : 実戦の手数例) {
        const USI局面 pos = 実戦の局面(n);
        const std::string a = USI指し手書込(思考(pos, 1).指し手);
        const std::string b = USI指し手書込(思考(pos, 2).指し手);
        const std::string c = USI指し手書込(思考(pos, 3).指し手);
        違い += (a != b) + (b != c) + (a != c);
    }
    EXPECT_GT(違い, 3);
}

TEST(思考, 同じ局面とレベルには前に何をしても同じ答え) {
    const USI局面 pos = 実戦の局面(42);
    const 思考結果 first = 思考(pos, 3);
    for (const std::size_t n : 実戦の手数例) 思考(実戦の局面(n), 1 + static_cast<int>(n % 3));
    const 思考結果 again = 思考(pos, 3);
    EXPECT_EQ(USI指し手書込(again.指し手), USI指し手書込(first.指し手));
    EXPECT_EQ(again.点十倍, first.点十倍);
}

}  // namespace
}  // namespace yukora
