// Scores of the computer's evaluation, held in whole tenths so that 0.1 steps add up exactly.
#pragma once

namespace yukora {

using 点数 = int;  // tenths of a point

constexpr 点数 点(int whole) { return whole * 10; }

inline constexpr 点数 王取り点 = 点(9999);    // the human king is taken
inline constexpr 点数 詰め点 = 点(9998);      // mate, or (negated) the own king left attacked
inline constexpr 点数 探索開始点 = 点(-99999);  // best score before any candidate

}  // namespace yukora
