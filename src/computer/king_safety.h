// Whether the side to move has a move at all that does not leave its own king attacked.
#pragma once
#include "usi/usi_position.h"

namespace yukora {

// Every move the move test allows is made with the rules and the position surveyed; a move
// is safe when the mover's king is not reached by any enemy piece afterwards. Taking the
// enemy king ends the game and counts as safe.
bool 王を守れる手がある(const USI局面& pos);

}  // namespace yukora
