// Moves in USI notation (7g7f, 8h2b+, P*5e) as the window's engines read and write them.
#pragma once
#include <string>
#include <string_view>

#include "rules/checked_move.h"

namespace yukora {

// Reads the notation alone, without looking at a position. false when it is not a move.
bool USI手を読む(std::string_view text, 指定の手& 結果);

// The notation of a move in the coordinates of 手番付き局面.
std::string USI手を書く(const 指定の手& m);

}  // namespace yukora
