#include "usi/king_safety.h"

#include <gtest/gtest.h>

#include "usi/position_command.h"
#include "usi_test_support.h"

namespace yukora {
namespace {

TEST(王を守れる手がある, 王を取らせない手があるかを両方の手番で判じる) {
    struct 例 {
        const char* position;  // arguments of the position command
        bool 有る;
    };
    const 例 cases[] = {
        {"startpos", true},
        // Mated: the gold on 5b is guarded by the pawn; a pawn in hand cannot interpose.
        {"sfen 4k4/9/4P4/9/9/9/9/9/4K4 b G 1 moves G*5b", false},
        {"sfen 4k4/9/4P4/9/9/9/9/9/4K4 b Gp 1 moves G*5b", false},
        // The same gold unguarded: the king takes it.
        {"sfen 4k4/9/9/9/9/9/9/9/4K4 b G 1 moves G*5b", true},
        // Not in check, but every king move goes into check and nothing else can move.
        {"sfen 4k2r1/9/9/9/9/9/8p/9/8K b - 1", false},
        // A rook check down the file with the king boxed in: a drop blocks it, a pawn too.
        {"sfen 4k3r/9/9/9/9/9/9/6g2/8K b - 1", false},
        {"sfen 4k3r/9/9/9/9/9/9/6g2/8K b G 1", true},
        {"sfen 4k3r/9/9/9/9/9/9/6g2/8K b P 1", true},
        // The same check, and the only way out takes the enemy king.
        {"sfen 4k3r/9/9/9/9/9/7p1/4R1g2/8K b - 1", true},
        // A silver that can step into the rook's line.
        {"sfen 4k3r/9/9/9/9/9/9/6gS1/8K b - 1", true},
    };
    for (const auto& [text, want] : cases) {
        USI局面 pos;
        ASSERT_EQ(position命令を読む(text, pos), "") << text;
        EXPECT_EQ(王を守れる手がある(pos), want) << text;
        const USI局面 mirrored = test::SFENの局面(test::SFEN反転(SFEN書込(pos)));
        EXPECT_EQ(王を守れる手がある(mirrored), want) << "mirrored " << text;
    }
}

}  // namespace
}  // namespace yukora
