// The five background tiles. Each repeats every 38 × 44 pixels, the pitch of the grid, so the
// overlapping tiles join without seams.
#pragma once
#include <QImage>

namespace yukora::window {

// Background number 2..6: green, tatami, bamboo, space, brick; `size` device pixels, the
// tile's own size times `dpr` when not given.
QImage 背景の絵(int 背景画番号, qreal dpr, QSize size = QSize());

}  // namespace yukora::window
