// A real game replayed into the move list, with clocks that grow move by move.
#pragma once
#include "game/move_list.h"
#include "game/position.h"
#include "game/state.h"

namespace yukora::test::棋譜試験 {

struct 並べた対局 {
    局面 p;
    進行状態 s;
    手順リスト list;
    int 手の数 = 0;
};

// Plays tests/data/games/real-game-1.csa as the bottom player moving first (MAN番 = 1),
// storing each position with 手順保存 before its move, as the board input does.
並べた対局 実戦を並べる();

}  // namespace yukora::test::棋譜試験
