// The game's board as engines see it, 先手 at the bottom, and moves carried between the two.
// The game keeps its bottom player at the bottom: when that player is 後手 the board is the
// engines' board turned round.
#pragma once
#include "game/position.h"
#include "rules/checked_move.h"

namespace yukora {

// The position of the game's board with `手番` (先手 or 後手) to move.
手番付き局面 USIから見た局面(const 局面& board, bool 下が先手, int 手番);

// A move as 駒移動 takes it on the game's board: a drop of the bottom side comes from
// (11, kind + 2), one of the top side from (-1, kind); 駒前 is the piece that moves, 駒後
// the one that stands on the destination afterwards.
struct 盤の手 {
    int 元X = 0, 元Y = 0, 先X = 0, 先Y = 0;
    int 駒前 = 0, 駒後 = 0;
    bool operator==(const 盤の手&) const = default;
};

// The move `m` of the side to move of `before` (the engines' view) on the game's board.
盤の手 盤の手に(const 手番付き局面& before, const 指定の手& m, bool 下が先手);

// A move on the game's board in the engines' view.
指定の手 USIの手に(const 盤の手& m, bool 下が先手);

}  // namespace yukora
