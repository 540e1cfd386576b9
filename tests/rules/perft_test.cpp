#include "rules/perft.h"

#include <gtest/gtest.h>

#include "support/board_fixtures.h"

namespace yukora {
namespace {

struct 数え例 {
    const char* 名;
    const char* 盤;
    const char* 持駒;
    int side;  // 1 bottom, -1 top to move
    int depth;
    std::uint64_t 数;
};

constexpr const char* 初期 = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL";
constexpr const char* 王だけ = "4k4/9/9/9/9/9/9/9/4K4";

// The counts of the starting position are the published ones. Those with pieces in hand
// are counted by hand: the bottom king has five steps; a pawn drops on any empty square
// but row 1 and the column of a pawn of its own, a knight on rows 3 to 9, a gold anywhere.
const 数え例 例[] = {
    {"初期一手", 初期, "-", 1, 1, 30},
    {"初期二手", 初期, "-", 1, 2, 900},
    {"初期三手", 初期, "-", 1, 3, 25470},
    {"歩打ち", 王だけ, "P", 1, 1, 5 + 71},
    {"桂打ち", 王だけ, "N", 1, 1, 5 + 62},
    {"二歩の筋", "4k4/9/9/9/9/9/2P6/9/4K4", "P", 1, 1, 1 + 5 + 63},
    {"相手の金打ち", 王だけ, "g", 1, 2, 5 * (5 + 79)},
};

TEST(perft, 局面と深さごとの手の数) {
    for (const 数え例& e : 例) {
        SCOPED_TRACE(e.名);
        const 局面 p = test::盤面(e.盤, e.持駒);
        EXPECT_EQ(perft(p, e.side, e.depth), e.数);
    }
}

}  // namespace
}  // namespace yukora
