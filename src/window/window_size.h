// The window's size at each zoom, and which zooms fit a screen. At 100 % the client area (menu
// bar included) is the classic 9800 × 8000 twips, 653 × 533 pixels; a zoom multiplies it, so a
// zoom gives the same window whichever way it was reached.
#pragma once
#include <QSize>

namespace yukora::window {

// The client area, menu bar included, at `倍率` percent, in logical pixels; `横の幅` more
// pixels at 100 % (a panel beside the board) widen it, growing with the zoom too.
QSize 窓の中の大きさ(int 倍率, int 横の幅 = 0);

// Whether the window at `倍率`, framed by `枠` (outer minus inner size), fits into `free`
// logical pixels. 100 % always counts as fitting: there is nothing smaller to offer.
bool 画面に収まる(int 倍率, QSize 枠, QSize free, int 横の幅 = 0);

// `倍率` when it fits, else the largest listed zoom below it that does (at least 100).
int 収まる倍率(int 倍率, QSize 枠, QSize free, int 横の幅 = 0);

}  // namespace yukora::window
