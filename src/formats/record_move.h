// Moves of a record checked and made with the rules' own tests, and found between positions.
#pragma once
#include <string>

#include "formats/record_model.h"

namespace yukora {

// The code of the piece the move takes from the board or the hand (side by sign); 0 when
// there is none.
int 動かす駒(const 記録局面& pos, const 記録の手& m);

// Checks the move for the side to move (move test, promotion, a piece that must promote,
// drop rules) and makes it. A move that takes a king is refused: both kings stay. Returns
// an empty string when the move was made, else why not; `pos` is then unchanged.
std::string 記録の手を指す(記録局面& pos, const 記録の手& m);

// The move of the side to move that leads from `前` to `後` (board and hands). false when
// no single move does; a move that takes a king is found too.
bool 手を探す(const 記録局面& 前, const 局面& 後, 記録の手& m);

}  // namespace yukora
