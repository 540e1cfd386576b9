// The search's score, held in tenths, as the protocol shows it.
#pragma once
#include <string>

namespace yukora {

// Tenths as a decimal with one place: 123 -> "12.3", -5 -> "-0.5", 99990 -> "9999.0".
std::string 十分の一表記(int 十倍);

// Tenths rounded to a whole number, halves away from zero: 125 -> 13, -125 -> -13.
int 整数に丸める(int 十倍);

}  // namespace yukora
