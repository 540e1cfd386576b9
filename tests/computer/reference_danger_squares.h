// The danger squares and the pinned-piece marks written apart from the production code, from
// the rules: square by square where the production works on sets of squares, the attacked
// pieces as the rules' losses, the pins along each slider's line where the production lifts
// each piece. Kept only as the oracle of the equivalence tests.
#pragma once
#include "computer/com_state.h"
#include "game/position.h"
#include "influence/influence_maps.h"

namespace yukora::参照 {

点数 盤評価_COM危険座標(局面& p, const 勢力地図& m, const COM思考状態& c, int 駒, int 先X, int 先Y);
void 調査_移動不可駒(局面& p, COM思考状態& c);

}  // namespace yukora::参照
