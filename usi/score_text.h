// The search's score, held in tenths, as the protocol shows it.
#pragma once
#include <string>

namespace yukora {

// Tenths as a decimal with one place: 123 -> "12.3", -5 -> "-0.5", 99990 -> "9999.0".
std::string 十分の一表記(int 十倍);

// The score of an info line. The evaluation counts a pawn as 10 (the absolute value of its
// piece code is every piece's worth), so the score in tenths is already in centipawns:
// "cp <tenths>". The decisive values are shown as mates: 9998 and above (the king taken, or
// a mate given) "mate 1"; -9998 and below (the own king left attacked, or a mating pawn
// drop, which the rules of shogi forbid) "mate -1".
std::string USI評価値(int 十倍);

}  // namespace yukora
