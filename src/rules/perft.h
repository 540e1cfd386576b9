// Counting move sequences with the program's own move test (no check test: pseudo-legal).
#pragma once
#include <cstdint>

#include "game/position.h"

namespace yukora {

// Number of move sequences of `depth` plies from `p`, `side` (1 = bottom, -1 = top) to move.
// A promotion that may be declined counts twice; a forced one once.
std::uint64_t perft(const 局面& p, int side, int depth);

}  // namespace yukora
