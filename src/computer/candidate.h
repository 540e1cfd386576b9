// One candidate position as the evaluation sees it: the state it reads and the move that made it.
#pragma once
#include "computer/com_state.h"
#include "influence/influence_maps.h"
#include "game/position.h"

namespace yukora {

struct 評価対象 {
    局面& p;  // some surveys lift a piece for a moment and put it back
    const 勢力地図& m;
    COM思考状態& c;
    int 取駒;  // what stood on the destination before (0 for a drop or an empty square)
    int 置駒;  // what stands there now (the promoted code when the move promotes)
    int 元X, 元Y;  // a drop comes from (-1, hand kind)
    int 先X, 先Y;

    bool 打ちか() const { return 元X < 0; }
};

}  // namespace yukora
