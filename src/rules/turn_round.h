// Turning the position round: the board rotated by half a turn, colours and hands exchanged.
#pragma once
#include "game/position.h"

namespace yukora {

// The square (x, y) goes to (10 - x, 10 - y) and every piece changes owner; the hands and
// their totals are exchanged. King squares and two-pawn flags are left as they are.
void 局面反転(局面& p);

}  // namespace yukora
