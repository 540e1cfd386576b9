// The influence survey: rebuilds every map from the board alone.
#pragma once
#include "game/position.h"
#include "influence/influence_maps.h"

namespace yukora {

// Reads p.盤, writes every map and both king squares (when a king is met).
void 勢力調査(局面& p, 勢力地図& m);

}  // namespace yukora
