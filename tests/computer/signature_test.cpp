// The signature of the computer's play: its choice in fixed positions at every level, folded
// into one number. A change of the number means the computer plays differently somewhere;
// update the pinned value only when that change is intended.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "computer/fixtures.h"
#include "computer/handicap.h"
#include "rules/initial_setup.h"
#include "rules/move_legality.h"

namespace yukora {
namespace {

using test::持たせる;

局面 初期() {
    局面 p;
    初期配置(p);
    return p;
}

局面 ハンデ付き(int steps) {
    局面 p = 初期();
    進行状態 s;
    for (int i = 0; i < steps; ++i) ハンデ上げ(p, s);
    for (int i = 0; i > steps; --i) ハンデ下げ(p, s);
    return p;
}

std::vector<局面> 手作りの局面() {
    std::vector<局面> list{初期(), ハンデ付き(-1), ハンデ付き(2)};

    // a gold drop mates
    局面 詰め = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . p . . . .
        . . . . . . . . .
        . . . L K L . . .
    )",
                           "g2p");
    list.push_back(詰め);

    // the human left its king en prise
    局面 王取り = test::盤面(R"(
        k . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . g . . . .
        . . . . K . . . r
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
    )");
    list.push_back(王取り);

    // knight fork of silver and gold
    局面 両取り = test::盤面(R"(
        . . . . k . . . .
        . . . . . . . . .
        . . . p . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . S . G . . .
        . . . . . . . . .
        . . . . K . . . .
    )",
                             "n");
    list.push_back(両取り);

    // king on row 1 under attack, silver in hand
    局面 一段目 = test::盤面(R"(
        . . . . k . . . .
        . . . s . g . . .
        . . . . . . . . .
        . . . N . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . K . . . .
    )",
                             "S");
    list.push_back(一段目);

    // lance in the human's hand skewers two pieces
    局面 串刺し = test::盤面(R"(
        . . . . . . . . k
       +b . . . . . . . .
        . . . . . . . . .
        b . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . K
    )",
                             "LP");
    list.push_back(串刺し);

    // the rook pins a gold to the human king
    局面 釘付け = test::盤面(R"(
        . . . . . . . . k
        . . . . r . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . s . . . . . .
        . . . . . . . . .
        . . . . G . . . .
        . . . P . . . . .
        . . . . K . . . .
    )",
                             "p");
    list.push_back(釘付け);

    局面 両手持ち = test::棋譜の局面(GAMES_DIR "/real-game-1.csa", 41);  // hands added
    持たせる(両手持ち, true, 持駒_香, 1);
    持たせる(両手持ち, true, 持駒_銀, 1);
    持たせる(両手持ち, false, 持駒_桂, 1);
    持たせる(両手持ち, false, 持駒_金, 1);
    list.push_back(両手持ち);
    return list;
}

std::vector<局面> 署名の局面() {
    std::vector<局面> list = 手作りの局面();
    // The recorded game, after every move of the bottom side: the top side to move.
    for (int plies = 1; plies < 100; plies += 2)
        list.push_back(test::棋譜の局面(GAMES_DIR "/real-game-1.csa", plies));
    return list;
}

struct 署名 {
    std::uint64_t h = 14695981039346656037ull;  // FNV-1a
    void 加える(int v) {
        for (int i = 0; i < 4; ++i) {
            h ^= static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
            h *= 1099511628211ull;
        }
    }
};

bool 合法か(const 局面& p, const COM指し手& mv) {
    if (mv.元X < 0) return 移動チェック(p, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒後) == 1;
    return p.盤[mv.元X][mv.元Y] == mv.駒前 &&
           移動チェック(p, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒前) == 1;
}

TEST(COM署名, 決まった局面での各レベルの手は変わらない) {
    const std::vector<局面> positions = 署名の局面();
    ASSERT_GE(positions.size(), 30u);
    署名 sig;
    std::string table;
    for (size_t i = 0; i < positions.size(); ++i) {
        for (int level = 1; level <= 3; ++level) {
            const COM指し手 mv = test::探索する(positions[i], level);
            ASSERT_TRUE(mv.有り) << i;
            EXPECT_TRUE(合法か(positions[i], mv)) << i << " level " << level;
            for (int v : {level, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒前, mv.駒後, mv.点十倍})
                sig.加える(v);
            char line[96];
            std::snprintf(line, sizeof line, "%2zu L%d (%d,%d)->(%d,%d) %d->%d %d\n", i, level,
                          mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒前, mv.駒後, mv.点十倍);
            table += line;
        }
    }
    EXPECT_EQ(sig.h, 9504159804366367466ull) << table;
}

}  // namespace
}  // namespace yukora
