// The drawing a loaded record does besides the new-game repaint: its header lines.
#pragma once
#include <string>

namespace yukora {

class 棋譜描画 {
public:
    virtual ~棋譜描画() = default;
    // Prints `text` with its top-left corner at window point (X, Y) in twips, in palette
    // colour `colour` and font size `size` (points); the font size stays as set.
    virtual void 印字(double X, double Y, const std::string& text, int colour, int size) = 0;
};

}  // namespace yukora
