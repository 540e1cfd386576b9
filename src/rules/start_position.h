// Whether a position can start a game: what records and SFEN may hand the program.
#pragma once
#include <string>

#include "game/position.h"

namespace yukora {

// The kings a start needs: one on each side for a game, or one at least for a problem (詰将棋,
// where the attacker has none).
enum class 玉の数 { 両方, 片方でもよい };

// What makes a start position unplayable, the first thing found: an unknown code on the
// board, a king missing (as `kings` says) or doubled on a side, a negative count in a hand,
// more pieces of a kind than a set has, a piece that could never move, two pawns of one side
// in a file. Empty when it is fine.
std::string 開始局面の問題(const 局面& p, 玉の数 kings = 玉の数::両方);

// True when both sides have a king on the board.
bool 両方の玉があるか(const 局面& p);

}  // namespace yukora
