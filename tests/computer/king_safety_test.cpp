#include "computer/king_safety.h"

#include <gtest/gtest.h>

#include "support/board_fixtures.h"

namespace yukora {
namespace {

TEST(王を守れる手がある, 王を取らせない手があるかを両方の手番で判じる) {
    struct 例 {
        const char* 盤;  // an SFEN board, the bottom side's pieces in capitals
        const char* 持駒;
        bool 下の手番;
        bool 有る;
    };
    const 例 cases[] = {
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL", "-", true, true},
        // Mated: the gold on 5b is guarded by the pawn; a pawn in hand cannot interpose.
        {"4k4/4G4/4P4/9/9/9/9/9/4K4", "-", false, false},
        {"4k4/4G4/4P4/9/9/9/9/9/4K4", "p", false, false},
        // The same gold unguarded: the king takes it.
        {"4k4/4G4/9/9/9/9/9/9/4K4", "-", false, true},
        // Not in check, but every king move goes into check and nothing else can move.
        {"4k2r1/9/9/9/9/9/8p/9/8K", "-", true, false},
        // A rook check down the file with the king boxed in: a drop blocks it, a pawn too.
        {"4k3r/9/9/9/9/9/9/6g2/8K", "-", true, false},
        {"4k3r/9/9/9/9/9/9/6g2/8K", "G", true, true},
        {"4k3r/9/9/9/9/9/9/6g2/8K", "P", true, true},
        // The same check, and the only way out takes the enemy king.
        {"4k3r/9/9/9/9/9/7p1/4R1g2/8K", "-", true, true},
        // A silver that can step into the rook's line.
        {"4k3r/9/9/9/9/9/9/6gS1/8K", "-", true, true},
    };
    for (const auto& [board, hands, 下, want] : cases) {
        局面 p = test::盤面(board, hands);
        EXPECT_EQ(王を守れる手がある(p, 下), want) << board << " " << hands;
        局面反転(p);
        EXPECT_EQ(王を守れる手がある(p, !下), want) << "turned round " << board << " " << hands;
    }
}

}  // namespace
}  // namespace yukora
