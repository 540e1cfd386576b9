// Moves in USI notation (7g7f, 8h2b+, P*5e): reading, checking with the rules, making, writing.
#pragma once
#include <string>
#include <string_view>

#include "usi/usi_position.h"

namespace yukora {

// A move in board coordinates of USI局面 (sente at the bottom).
struct USI指し手 {
    int 元X = 0, 元Y = 0;  // origin square; unused for a drop
    int 先X = 0, 先Y = 0;
    int 打駒種類 = 0;  // hand kind 1..7 for a drop, 0 for a board move
    bool 成り = false;
};

// Reads the notation alone, without looking at a position. false when it is not a move.
bool USI指し手読込(std::string_view text, USI指し手& 結果);

// The notation of a move.
std::string USI指し手書込(const USI指し手& m);

// Checks the move for the side to move with the rules' own tests (move test, promotion,
// a piece that must promote, drop rules) and makes it. A move that would take a king is
// refused too: the position must stay one with both kings. Returns an empty string when
// the move was made, else why it is illegal; `pos` is then unchanged.
std::string USI指し手を指す(USI局面& pos, const USI指し手& m);

}  // namespace yukora
