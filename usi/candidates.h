// Every candidate of the game's search with its score, for MultiPV.
#pragma once
#include <vector>

#include "usi/usi_move.h"

namespace yukora {

struct 候補手 {
    USI指し手 指し手;
    int 点十倍 = 0;  // the search's score in tenths, for the side to move
    int 駒割り = 0;  // the material after the move, for the side to move (駒割り)
};

struct 候補一覧 {
    std::vector<候補手> 手;  // in the search's own order: board moves, then drops
    long 評価回数 = 0;
};

// Every candidate of the game's search for the side to move, with its score (COM全候補): the
// search does not stop early here, so every candidate gets its score.
候補一覧 全候補(const USI局面& pos, int レベル);

// The `n` best, best first; equal scores keep the search's order.
std::vector<候補手> 上位の候補(const std::vector<候補手>& all, int n);

}  // namespace yukora
