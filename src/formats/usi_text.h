// A game as one line of text for USI programs: "position startpos moves 7g7f 3c3d", or
// "position sfen <board> <side> <hands> <n> moves …", or an SFEN alone.
#pragma once
#include <string>
#include <string_view>

#include "formats/record_model.h"

namespace yukora {

// True when the text starts like a position line or an SFEN (its first word "position",
// "startpos" or "sfen", or a board of nine ranks).
bool USI行らしいか(std::string_view text);

// Reads "[position] startpos | [position] [sfen] <board> <side> <hands> [<n>]", then
// optionally "moves <m1> <m2> …", every move checked with the rules. Words may be parted by
// any blanks or line breaks. A bad start gives an error and no record; a bad move ends the
// record before it (the error's 手数 is its number).
読込結果 USI行を読む(std::string_view text);

// "position startpos" for the usual start with 先手 to move, else "position sfen …", then
// the moves when there are any.
std::string position行を書く(const 対局記録& r);

}  // namespace yukora
