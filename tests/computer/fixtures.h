// Positions for the computer's tests: replays of a recorded game, the search on a fresh state.
#pragma once
#include <string>

#include "computer/com_state.h"
#include "computer/search.h"
#include "game/position.h"
#include "game/state.h"
#include "influence/influence_maps.h"
#include "support/board_fixtures.h"

namespace yukora::test {

// A board with only the two kings (human king negative, computer king positive), for positions
// put together piece by piece (random ones); a fixed position reads better as test::盤面.
局面 王だけの局面(int MAN王X, int MAN王Y, int COM王X, int COM王Y);

void 置く(局面& p, int x, int y, int code);

// Gives `n` pieces of hand kind `kind` to the computer (com) or the human, keeping the totals.
void 持たせる(局面& p, bool com, int kind, int n);

// The position after the first `plies` moves of a CSA record ('+' is the bottom side).
局面 棋譜の局面(const std::string& path, int plies);

// Fresh maps and turn state, one survey, then the computer's search at `level`.
struct 探索一式 {
    局面 p;
    勢力地図 m;
    COM思考状態 c;
    進行状態 s;
};
探索一式 新しい探索(const 局面& p, int level);
COM指し手 探索する(const 局面& p, int level);

// The turn prepared on `before` as the search prepares it, then one candidate made on the
// board (a drop has 元X = 敵持駒列, 元Y = hand kind) and surveyed, ready to be scored.
探索一式 候補の局面(const 局面& before, int 元X, int 元Y, int 先X, int 先Y, int 置駒, int level);

// The evaluation of that candidate, as the search would score it from a fresh state.
点数 候補の点(const 局面& before, int 元X, int 元Y, int 先X, int 先Y, int 置駒, int level);

}  // namespace yukora::test
