// The header lines of a record just read, printed around the board.
#pragma once
#include <string>
#include <vector>

#include "game/screen_port.h"

namespace yukora {

// Prints the header lines read: the title below the board, then the top player's name
// above it and the bottom player's below it.
void 見出しを印字(画面& screen, const std::vector<std::string>& lines);

}  // namespace yukora
