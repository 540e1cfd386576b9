// How the game on the board ended, in the words of its record.
#pragma once
#include "formats/record_model.h"
#include "game/position.h"
#include "game/state.h"

namespace yukora {

// 中断 while the game goes on or the board is not at its last move; when it is over, 詰み
// when the side to move is mated and 投了 when the computer gave up. A game won by taking
// a king gives 反則勝ち (the record leaves that move out).
終局理由 終局を調べる(const 局面& p, const 進行状態& s);

}  // namespace yukora
