// The positions of the search benchmark: the computer (top side) to move in each.
#pragma once
#include <span>

#include "game/position.h"

namespace yukora::bench {

struct ベンチ局面 {
    const char* sfen;  // board, side to move, hands
    const char* 出所;  // where it comes from
};

// From the recorded game, from random play of both sides and from the computer against
// random moves (bench/tools/make_positions.cpp wrote the table).
std::span<const ベンチ局面> 探索の局面();

// The middle game with pieces in both hands of the survey and move-test benchmarks.
inline constexpr const char* 中盤の局面 =
    "ln1g2s1l/1r2gk3/p1p2psp1/1p1p4p/4b4/1PP1P2P1/P1NP1P2P/1B1GK1S+R1/L1S2G2L w NP2p 1";

// The position of an SFEN, sente (upper case) as the bottom side; both hand totals set.
局面 SFENの局面(const char* sfen);

}  // namespace yukora::bench
