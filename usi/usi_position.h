// A position as the protocol sees it: the board with sente at the bottom, and who is to move.
#pragma once
#include "game/position.h"
#include "rules/sfen.h"

namespace yukora {

// Sente's pieces are the bottom (negative) codes and its hand is MAN持駒; gote's are the top
// ones. Square "7g" is (x, y) = (10 - 7, 7).
using USI局面 = 手番付き局面;

}  // namespace yukora
