// "反転": turns the board round, so each side plays the other's pieces.
#pragma once
#include "display/display.h"
#include "game/dialog_port.h"
#include "game/sounds.h"
#include "game/state.h"
#include "game/position.h"

namespace yukora {

// Refused in record mode. Otherwise rotates the board by half a turn with every piece changing
// owner, exchanges the hands, repaints, passes the turn and drops the move list.
void REVERSE_Click(局面& p, 進行状態& s, 表示& view, ダイアログ& dialog, 効果音& sound);

}  // namespace yukora
