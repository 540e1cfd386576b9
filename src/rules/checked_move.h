// A move of the side to move as a record or the USI engine names it, checked with the rules'
// own tests and made.
#pragma once
#include <string>

#include "game/position.h"

namespace yukora {

// A move in the board coordinates of 手番付き局面.
struct 指定の手 {
    int 元X = 0, 元Y = 0;  // origin; unused for a drop
    int 先X = 0, 先Y = 0;
    int 打駒 = 0;  // hand kind 1..7 of a drop, 0 for a board move
    bool 成り = false;
};

// Checks the move for the side to move (move test, promotion, a piece that must promote,
// drop rules) and makes it; the other side is then to move. A move that takes a king is
// refused: both kings stay. Returns an empty string when the move was made, else why not;
// `pos` is then unchanged.
std::string 手番の手を指す(手番付き局面& pos, const 指定の手& m);

}  // namespace yukora
