// The whole-board term of the evaluation and the bishop-fork warning.
#pragma once
#include "computer/com_state.h"

namespace yukora {

// Charges the candidate position for the human's threats on all 81 squares and credits new
// attacks and forks by the piece `駒` just placed on (先X, 先Y). Result in tenths.
点数 盤評価_COM危険座標(局面& p, const 勢力地図& m, const COM思考状態& c, int 駒, int 先X, int 先Y);

// `駒` when a human bishop (on the board or dropped) could fork it on (先X, 先Y) together with
// the computer's king, else 0. A piece code, not a score.
int 盤評価_自角注意_COM(const 局面& p, const COM思考状態& c, int 先X, int 先Y, int 駒);

}  // namespace yukora
