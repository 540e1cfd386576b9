// The entering-king declaration as the CSA protocol states it.
#pragma once
#include "game/position.h"

namespace yukora {

// True when the side to move may declare a win: its king stands in the opponent's camp (the
// three far ranks) and is not attacked, at least ten of its other pieces stand there, and
// those pieces with its pieces in hand make 28 points for 先手 or 27 for 後手 (a rook or a
// bishop, promoted or not, 5; any other piece 1).
bool 入玉宣言できるか(const 手番付き局面& pos);

}  // namespace yukora
