// The computer's board evaluation: higher is better for the computer (the positive codes).
#pragma once
#include "computer/com_state.h"

namespace yukora {

// Scores the candidate now on p.盤, with m freshly surveyed for it and c prepared for the turn.
// レベル 1 stops a capture after the bishop/rook capture bonus; レベル 2 leaves out the
// terms of the placed piece; レベル 3 uses everything. Result in tenths.
点数 盤評価(const 評価対象& e, int レベル);

// The same with the move spelled out, as the computer's turn calls it.
点数 盤評価(局面& p, const 勢力地図& m, COM思考状態& c, int レベル, int 取駒, int 置駒, int 元X,
            int 元Y, int 先X, int 先Y);

}  // namespace yukora
