// The screen: drawing primitives on the window's persistent image, all positions in twips.
#pragma once
#include <string_view>

namespace yukora {

class 画面 {
public:
    virtual ~画面() = default;
    // Copies picture `番号` (an index into 絵一覧) at its natural size, top-left at (X, Y).
    virtual void 絵(int 番号, int X, int Y) = 0;
    // The same picture with its ground (where it shows the bare board, not the piece) tinted
    // with palette colour `色` at strength `濃さ` 1..3, the piece itself left as it is.
    virtual void 地色付きの絵(int 番号, int X, int Y, int 色, int 濃さ) = 0;
    // Outline of the rectangle from (X1, Y1) to (X2, Y2), both corners included, one pixel
    // wide, in palette colour `色`.
    virtual void 輪郭(int 色, int X1, int Y1, int X2, int Y2) = 0;
    // Transparent text with its top-left corner at (X, Y), `大きさ` in points, palette colour.
    virtual void 文字(int X, int Y, std::string_view text, int 大きさ, int 色) = 0;
    // The weight of the window font; it stays as last set.
    virtual void 太字(bool on) = 0;
    // Shows what has been drawn so far at once, without returning to the event loop.
    virtual void 今すぐ表示() = 0;
};

}  // namespace yukora
