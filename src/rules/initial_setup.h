// Resetting the whole game to the starting position.
#pragma once
#include "game/board_view.h"
#include "game/clock_port.h"
#include "game/position.h"
#include "game/state.h"

namespace yukora {

// Resets flags, counters, clocks and hands, sets up the starting position and repaints.
// The king squares keep their values until the next survey.
void 初期設定(局面& p, 進行状態& s, タイマー& timer, 盤描画& view);

}  // namespace yukora
