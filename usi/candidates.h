// Every candidate of the game's search with its score, for MultiPV.
#pragma once
#include <vector>

#include "usi/usi_move.h"

namespace yukora {

struct 候補手 {
    USI指し手 指し手;
    int 点十倍 = 0;  // the search's score in tenths, for the side to move
};

struct 候補一覧 {
    std::vector<候補手> 手;  // in the search's own order: board moves, then drops
    long 評価回数 = 0;
};

// Goes through the candidates exactly as the game's search does (the same order, the same
// state carried from one candidate to the next, both ways of an optional promotion scored
// and the search's choice between them), but does not stop at a captured king or a mating
// drop: every candidate gets its score.
候補一覧 全候補(const USI局面& pos, int レベル);

// The `n` best, best first; equal scores keep the search's order.
std::vector<候補手> 上位の候補(const std::vector<候補手>& all, int n);

}  // namespace yukora
