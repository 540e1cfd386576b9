// The one move test used everywhere: can a piece go from one square to another?
#pragma once
#include "game/position.h"

namespace yukora {

// 1 when `駒` may go from (元X, 元Y) to (先X, 先Y); a drop has 元X = 自持駒列 or 敵持駒列.
// Reads only the board and the two-pawn flags; checks are not looked at.
int 移動チェック(const 局面& p, int 元X, int 元Y, int 先X, int 先Y, int 駒);

// Straight-line path test (rook): 1 when nothing stands strictly between.
int 移動チェック飛車(const 局面& p, int 元X, int 元Y, int 先X, int 先Y);

// Diagonal path test (bishop): 1 when nothing stands strictly between.
int 移動チェック角(const 局面& p, int 元X, int 元Y, int 先X, int 先Y);

}  // namespace yukora
