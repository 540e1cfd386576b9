// The screen grid: every drawing position is a cell (x, y) of one grid in twips.
#pragma once
#include <cmath>

namespace yukora {

inline constexpr int 盤原点X = 1050, 盤原点Y = 100, 桝幅 = 570, 桝高 = 660, 盤サイズ = 9;
inline constexpr int 画素あたりtwip = 15;  // at 96 dots per inch

// Window point of the top-left corner of cell (x, y); x and y may be fractional or negative.
inline int 桝のX(double x) { return static_cast<int>(std::lround(盤原点X + x * 桝幅)); }
inline int 桝のY(double y) { return static_cast<int>(std::lround(盤原点Y + y * 桝高)); }

}  // namespace yukora
