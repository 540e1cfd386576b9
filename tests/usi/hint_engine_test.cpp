// The game's "ヒント" on the human's turn gives the move yukora-usi answers with "bestmove" in
// the same position at the same level.
#include <gtest/gtest.h>

#include <sstream>

#include "engine_process.h"
#include "flow/flow_fakes.h"
#include "game/move_text.h"
#include "usi/position_command.h"
#include "usi/usi_move.h"
#include "usi_test_support.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

// The engine's bestmove for sente (the bottom side) to move in `pos` at `level`.
std::string エンジンの手(const USI局面& pos, int level) {
    const auto run =
        test::エンジンを走らせる("usi\nsetoption name Level value " + std::to_string(level) +
                                 "\nposition sfen " + SFEN書込(pos) + "\ngo\nquit\n");
    for (const std::string& line : test::行に分ける(run.出力))
        if (line.starts_with("bestmove ")) return line.substr(9);
    return "(none)";
}

struct ヒントの表示 {
    std::vector<std::string> 枠;  // the outline calls
    std::string 箱;
};

// The human is the bottom side and to move in `pos`; the hint through the menu.
ヒントの表示 ゲームのヒント(const USI局面& pos, int level) {
    試験台 t;
    t.選ぶ(メニュー操作::SENTE);
    t.選ぶ(レベル項目(level));
    t.st().盤面 = pos.p;
    t.screen.消去();
    t.選ぶ(メニュー操作::HINT);
    return {t.screen.絞込("輪郭"), t.dialog.最後()};
}

std::string 輪郭(int x, int y) {
    const int X = 1050 + 570 * x, Y = 100 + 660 * y;
    return "輪郭 13 " + std::to_string(X) + " " + std::to_string(Y) + " " +
           std::to_string(X + 570) + " " + std::to_string(Y + 660);
}

// What the hint should show for the engine's move: the origin (or the hand slot) and the
// destination outlined, the destination and the piece that ends there named.
ヒントの表示 手の表示(const USI局面& pos, const std::string& best) {
    USI指し手 m;
    EXPECT_TRUE(USI指し手読込(best, m)) << best;
    USI局面 after = pos;
    EXPECT_EQ(USI指し手を指す(after, m), "") << best;
    const std::string 元 =
        m.打駒種類 != 0 ? 輪郭(自持駒列, 自持駒の行(m.打駒種類)) : 輪郭(m.元X, m.元Y);
    return {{元, 輪郭(m.先X, m.先Y)}, "ヒント: " + 記譜(m.先X, m.先Y, after.p.盤[m.先X][m.先Y])};
}

USI局面 局面(const std::string& position) {
    USI局面 pos;
    EXPECT_EQ(position命令を読む(position, pos), "") << position;
    return pos;
}

TEST(ヒント, エンジンのbestmoveと同じ手を示す) {
    const std::vector<std::string> moves = test::実戦の指し手();
    std::vector<USI局面> positions{
        局面("startpos"),
        局面("sfen 4k4/9/4P4/9/9/9/9/9/4K4 b G 1"),    // a gold drop on 5b mates
        局面("sfen 4k4/4g4/9/9/9/9/9/4p4/4K4 b r 1"),  // the king must take or step aside
    };
    for (const std::size_t n : {10u, 24u, 40u, 56u, 80u}) {
        std::string text = "startpos moves";
        for (std::size_t i = 0; i < n && i < moves.size(); ++i) text += " " + moves[i];
        positions.push_back(局面(text));
    }
    for (const USI局面& pos : positions) {
        ASSERT_EQ(pos.手番, 先手) << SFEN書込(pos);
        for (int level = 1; level <= 3; ++level) {
            const std::string best = エンジンの手(pos, level);
            const ヒントの表示 want = 手の表示(pos, best), got = ゲームのヒント(pos, level);
            EXPECT_EQ(got.枠, want.枠) << SFEN書込(pos) << " level " << level << " " << best;
            EXPECT_EQ(got.箱, want.箱) << SFEN書込(pos) << " level " << level << " " << best;
        }
    }
}

}  // namespace
}  // namespace yukora
