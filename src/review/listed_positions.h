// The positions of the game the move list holds, numbered by the moves played to reach them.
#pragma once
#include "game/move_list.h"
#include "game/position.h"
#include "game/state.h"

namespace yukora {

// The number of the last position that can be shown: the last entry, or the board itself
// right after a move, which the list stores only once the next move is made.
int 最後の局面(const 手数型& 数);

// The position after `i` moves (0..最後の局面), board and hands with their totals.
局面 手の後の局面(const 手順リスト& list, const 局面& 今, const 手数型& 数, int i);

}  // namespace yukora
