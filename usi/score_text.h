// The search's score, held in tenths, as the protocol shows it.
#pragma once
#include <string>

namespace yukora {

// Tenths as a decimal with one place: 123 -> "12.3", -5 -> "-0.5", 99990 -> "9999.0".
std::string 十分の一表記(int 十倍);

// The score of an info line. The search's score ranks moves but does not measure a position
// (its terms reach hundreds of points for a pawn's move), so a move that decides nothing is
// shown by the material after it: 駒割り counts a pawn as 10, hence "cp <駒割り × 10>" on the
// pawn = 100 scale. The search's decisive values are shown as mates: 9998 and above (the king
// taken, or a mate given) "mate 1"; -9998 and below (the own king left attacked, or a mating
// pawn drop, which the rules of shogi forbid) "mate -1".
std::string USI評価値(int 十倍, int 駒割り);

}  // namespace yukora
