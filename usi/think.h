// The computer's choice for the side to move, by the game's own search.
#pragma once
#include "computer/search.h"
#include "usi/usi_move.h"

namespace yukora {

struct 思考結果 {
    bool 有り = false;  // false when there is no move at all
    USI指し手 指し手;
    int 点十倍 = 0;     // the search's score in tenths, for the side to move
    int 駒割り = 0;     // the material after the move, for the side to move (駒割り)
    long 評価回数 = 0;  // positions the search scored
};

// The side to move is played as the top side: the position is turned round when sente is to
// move. It goes into a freshly started game state at `レベル`, the influence maps are built
// once, and the search runs. Nothing from an earlier call is kept, so the same position and
// level always give the same answer.
思考結果 思考(const USI局面& pos, int レベル);

// The position as the search sees it: the side to move at the top, king squares cleared.
局面 上から見た局面(const USI局面& pos);

// A move of the search (made in 上から見た局面) in the coordinates of `pos`.
USI指し手 探索の指し手を戻す(const COM指し手& r, const USI局面& pos);

// A move of the search already turned back (in the coordinates of the position asked about).
USI指し手 USIの指し手に(const COM指し手& back);

}  // namespace yukora
