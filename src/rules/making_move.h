// Promotion tests, the move itself with capture and drop bookkeeping, and the two-pawn flags.
#pragma once
#include "game/board_view.h"
#include "game/position.h"
#include "game/state.h"

namespace yukora {

// 0 when `駒`, left unpromoted on row 先Y, could never move again; else 1.
int 移動後チェック(int 先Y, int 駒);

// 1 when the move may promote, and then 成駒 holds the promoted code; else 0, 成駒 unchanged.
int 調査_駒成(int 元X, int 元Y, int 先X, int 先Y, int 駒, int& 成駒);

// Makes the move on board and hands and draws the squares involved. `駒` is the code that
// will stand on the destination. Drops come from (自持駒列, 自持駒の行(kind)) or (敵持駒列, kind).
void 駒移動(局面& p, 手番型& 番, 盤描画& view, int 元X, int 元Y, int 先X, int 先Y, int 駒);

// Puts a captured piece into the capturer's hand; a captured king decides the game.
void 駒取得(局面& p, 手番型& 番, int 駒);

// Recomputes both two-pawn flag arrays from the board.
void 調査_2歩フラグ設定(局面& p);

}  // namespace yukora
