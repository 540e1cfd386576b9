// Turning a position round: the board rotated by half a turn, colours and hands exchanged.
#pragma once
#include "rules/position.h"

namespace yukora {

// The bottom side's pieces become the top side's and the other way round; the square (x, y)
// goes to (10 - x, 10 - y). King squares and two-pawn flags are left at zero.
局面 局面を回す(const 局面& p);

}  // namespace yukora
