// The computer's choice for the side to move, by the game's own search.
#pragma once
#include "usi/usi_move.h"

namespace yukora {

struct 思考結果 {
    bool 有り = false;  // false when there is no move at all
    USI指し手 指し手;
    int 点十倍 = 0;  // the search's score in tenths, for the side to move
};

// The side to move is played as the top side: the position is turned round when sente is to
// move. It goes into a freshly started game state at `レベル`, the influence maps are built
// once, and the search runs. Nothing from an earlier call is kept, so the same position and
// level always give the same answer.
思考結果 思考(const USI局面& pos, int レベル);

}  // namespace yukora
