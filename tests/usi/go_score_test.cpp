// The score of "go": the material after each move, for the side to move, on the pawn = 100
// scale; decisive scores as mates.
#include <gtest/gtest.h>

#include <regex>

#include "usi/go_answer.h"
#include "usi/position_command.h"

namespace yukora {
namespace {

TEST(goの評価値, 指した後の駒割りを手番の側から示し決着は詰みで示す) {
    const struct {
        const char* position;
        int level, multipv;
        const char* 評価値;  // of the info lines, in order
    } cases[] = {
        // Gote to move, two pawns up after the exchanges on the edge; its move takes nothing.
        {"startpos moves 2g2f 9a9b 2f2e 9c9d 9g9f 9b9c 5i5h 9d9e 9f9e 8b9b 2e2d 2c2d P*2c 9c9e "
         "9i9e 9b9e 8i9g",
         2, 1, "cp 200 "},
        // Two pawns in hand (20) against a promoted pawn (11).
        {"sfen 4k4/9/9/9/9/9/+P8/9/4K4 w 2p 1", 3, 1, "cp 90 "},
        // Sente takes the checking rook (with the gold or the king), steps away from it, or
        // steps into another check.
        {"sfen 4k4/9/9/9/9/9/9/4r4/3GK4 b - 1", 3, 4, "cp 10100 cp 10100 cp -7900 mate -1 "},
        // Taking the king, then a quiet move with the gold up.
        {"sfen 4k4/9/9/9/9/9/9/4g4/4K4 w - 1", 3, 2, "mate 1 cp 1100 "},
    };
    const std::regex score(" score (\\S+ \\S+) pv ");
    for (const auto& c : cases) {
        USI局面 pos;
        ASSERT_EQ(position命令を読む(c.position, pos), "") << c.position;
        const std::string info = goに答える(pos, c.level, c.multipv).情報;
        std::string got;
        for (std::sregex_iterator m(info.begin(), info.end(), score), end; m != end; ++m)
            got += (*m)[1].str() + " ";
        EXPECT_EQ(got, c.評価値) << c.position;
    }
}

}  // namespace
}  // namespace yukora
