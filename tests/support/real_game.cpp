#include "support/real_game.h"

#include "game/board_view.h"
#include "rules/making_move.h"
#include "support/board_fixtures.h"

namespace yukora::test::棋譜試験 {

並べた対局 実戦を並べる() {
    並べた対局 g;
    g.p = 初期局面();
    g.s.番.MAN番 = 1;
    g.s.番.COM番 = -1;
    g.s.番.手番 = 1;
    描画なし view;
    const auto moves = CSA棋譜(std::string(GAMES_DIR) + "/real-game-1.csa");
    for (const std::string& m : moves) {
        const CSA指し手 mv = CSAを読む(m);
        const bool 下 = m[0] == '+';
        // Fractions of a second, a long think and the odd very long one.
        const float dt =
            0.7f + static_cast<float>(g.手の数 % 7) * 13.3f + (g.手の数 == 40 ? 1500 : 0);
        const float man = g.s.時間.MAN時間, com = g.s.時間.COM時間;
        手順保存(g.list, g.p, g.s.数, man, 下 ? man + dt : man, com, 下 ? com : com + dt);
        (下 ? g.s.時間.MAN時間 : g.s.時間.COM時間) += dt;
        駒移動(g.p, g.s.番, view, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒);
        ++g.s.数.手順番号;
        ++g.s.数.手数;
        g.s.番.手番 = -g.s.番.手番;
        ++g.手の数;
    }
    return g;
}

}  // namespace yukora::test::棋譜試験
