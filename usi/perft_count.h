// perft that can be stopped: it asks its caller now and then whether to go on.
#pragma once
#include <cstdint>

#include "game/position.h"
#include "usi/interrupt.h"

namespace yukora {

struct perft結果 {
    std::uint64_t 数 = 0;                  // sequences counted (so far, when interrupted)
    割込み指示 指示 = 割込み指示::続ける;  // 続ける when the count ran to the end
};

// The rules' perft (pseudo-legal, a declinable promotion counted twice), `side` 1 for the
// bottom side. `割込` (may be null) is asked every 16 positions that have moves listed.
perft結果 中断できるperft(const 局面& p, int side, int depth, 割込み* 割込);

}  // namespace yukora
