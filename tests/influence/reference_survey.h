// The survey as it was first written, straight from the rules: a reset loop and one generic
// step and ray routine. Kept only as the oracle of the equivalence test.
#pragma once
#include "game/position.h"
#include "influence/influence_maps.h"

namespace yukora::参照 {

void 勢力調査(局面& p, 勢力地図& m);

}  // namespace yukora::参照
