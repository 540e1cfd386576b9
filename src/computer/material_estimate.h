// A plain estimate of who is ahead: the material on the board and in hand, counted with the
// evaluation's own worths. The engine's score shows it, and a graph of a game can.
#pragma once
#include "computer/search.h"
#include "game/position.h"

namespace yukora {

// The material of one side (`下から`: the bottom side, negative codes) less the other side's,
// in the evaluation's points (a pawn 10). A piece on the board is worth the absolute value of
// its code, as everywhere in the evaluation (歩 10, と 11, 香 20 … 角成 801, 飛 900, 飛成 901);
// a piece in hand the worth of its unpromoted kind, which is what it goes back to when taken;
// a king nothing, since each side has one.
int 駒割り(const 局面& p, bool 下から);

// 駒割り after `手`, a move of the side to move (`下の手番`) in `p`'s own coordinates as 駒移動
// takes it (drops from (-1, kind) or (11, kind + 2)), seen from the side that moved.
int 指した後の駒割り(const 局面& p, bool 下の手番, const COM指し手& 手);

}  // namespace yukora
