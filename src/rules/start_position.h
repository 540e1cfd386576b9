// Whether a position can start a game: what records and SFEN may hand the program.
#pragma once
#include <string>

#include "game/position.h"

namespace yukora {

// What makes a start position unplayable, the first thing found: an unknown code on the
// board, a side without exactly one king, a negative count in a hand, more pieces of a kind
// than a set has, a piece that could never move, two pawns of one side in a file. Empty when
// it is fine.
std::string 開始局面の問題(const 局面& p);

}  // namespace yukora
