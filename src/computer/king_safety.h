// Whether the side to move has a move at all that does not leave its own king attacked: the
// engine resigns without one, and the hint calls the game lost.
#pragma once
#include "game/position.h"

namespace yukora {

// Every move the move test allows the side to move (`下の手番`: the bottom side, negative
// codes) is made with the rules and the position surveyed; a move is safe when the mover's
// king is not reached by any enemy piece afterwards. Taking the enemy king ends the game and
// counts as safe.
bool 王を守れる手がある(const 局面& pos, bool 下の手番);

}  // namespace yukora
