// Counting move sequences with the program's own move test (no check test: pseudo-legal).
#pragma once
#include <cstdint>

#include "game/position.h"

namespace yukora {

// Asked before the moves of each position are listed whether the count should go on.
class 数え続けるか {
public:
    virtual ~数え続けるか() = default;
    virtual bool 続ける() = 0;
};

// Number of move sequences of `depth` plies from `p`, `side` (1 = bottom, -1 = top) to move.
// A promotion that may be declined counts twice; a forced one once. When `確認` (may be null)
// says no, the count ends at once with what it had counted; it is not asked again.
std::uint64_t perft(const 局面& p, int side, int depth, 数え続けるか* 確認 = nullptr);

}  // namespace yukora
