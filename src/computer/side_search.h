// The search for whichever side is to move. The search always plays the top side, so for the
// bottom side it runs on the position turned round and the move it finds is turned back.
#pragma once
#include "computer/search.h"
#include "game/position.h"

namespace yukora {

// The position as the search sees it: turned round when the bottom side is to move, king
// squares cleared (the survey finds them again).
局面 上から見た局面(const 局面& p, bool 下の手番);

// A move the search found in 上から見た局面, in the coordinates and piece codes of the position
// it was asked about. A drop of the top side comes from (敵持駒列, kind), one of the bottom side
// from (自持駒列, its row), as 駒移動 takes them.
COM指し手 探索の指し手を戻す(const COM指し手& r, bool 下の手番);

struct 手番側の探索結果 {
    COM指し手 手;       // 有り is false when the side has no move at all
    long 評価回数 = 0;  // positions the search scored
};

// The computer's own choice for the side to move at `レベル`, made on a copy in a freshly
// started game state: surveyed once, then searched. `p` is not touched, and nothing from an
// earlier call is kept, so the same position and level always give the same move.
手番側の探索結果 手番側の探索(const 局面& p, bool 下の手番, int レベル);

// Every candidate of that search (COM全候補), each turned back as its move would be, handed
// to `受け` in the search's order. Returns the number of positions scored.
long 手番側の全候補(const 局面& p, bool 下の手番, int レベル, 候補の受け& 受け);

}  // namespace yukora
