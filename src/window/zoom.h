// The zoom of the window: the listed sizes, the size that fills a window, the size to start
// with on a large screen.
#pragma once
#include <QPoint>
#include <QSize>

namespace yukora::window {

// The design size of the client area: 9960 × 7695 twips, 664 × 513 pixels at 100 %.
inline constexpr int 設計幅twips = 9960, 設計高さtwips = 7695;
// The window's outer size at 100 %: 9800 × 8000 twips.
inline constexpr int 窓幅twips = 9800, 窓高さtwips = 8000;

// Device pixels per 15 twips with which the design size fits into `device` pixels, keeping its
// proportions: a whole number of device pixels per cell height (so that pictures meet without
// gaps), at least half a pixel per 15 twips.
qreal 合わせた倍率(const QSize& device);

// Where the design area of `ratio` lies centred in `device` pixels (the top-left corner when
// it does not fit).
QPoint 中央の原点(const QSize& device, qreal ratio);

// The zoom in percent to start with when there are no settings yet, on a screen whose free
// area is `screen` logical pixels: 100, or, when the 100 % window (`window` outside) would
// fill less than a third of the height, the largest listed zoom at which it still fits.
int 初回の倍率(const QSize& screen, const QSize& window);

}  // namespace yukora::window
