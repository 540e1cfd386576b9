// The last move of each side drawn beside the board, and where a record's header lines go.
#pragma once
#include <string_view>

#include "display/display.h"
#include "game/state.h"

namespace yukora {

// Prints `text` in 12 points and palette colour `colour` at grid position (x, y).
void 描画_移動駒種類(表示& view, double x, double y, std::string_view text, int colour);

// Erases the area of `side`, then shows the move to (x, y) with `piece` over a black shadow:
// left of the board for COM番, right of it for MAN番.
void 描画_移動結果(表示& view, const 手番型& 番, int side, int x, int y, int piece, int colour);

// Restores the background of the notation area of `side`.
void 消去_移動結果(表示& view, const 手番型& 番, int side);

// Window X of a record header line, centred by its length in characters.
double 取得_棋譜のX座標(std::string_view text);

}  // namespace yukora
