#include "window/background_tiling.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "display/grid.h"
#include "window/pictures/art_common.h"
#include "window/pictures/tile_art.h"

namespace yukora::window {
namespace {

// The fewest cells of `cell` pixels that make a whole number of pixels; one, rounded, when no
// small number does.
int 周期の画素(double cell) {
    for (int n = 1; n <= 64; ++n)
        if (std::abs(n * cell - std::round(n * cell)) < 1e-6)
            return static_cast<int>(std::lround(n * cell));
    return std::max(1, static_cast<int>(std::lround(cell)));
}

}  // namespace

地の模様::地の模様(int 背景画番号, qreal ratio, QPoint origin)
    : 模様_(背景の絵(背景画番号, ratio,
                     QSize(周期の画素(桝幅 * ratio / 画素あたりtwip),
                           周期の画素(桝高 * ratio / 画素あたりtwip)))),
      原点_(origin) {}

void 地の模様::敷く(QImage& target, const QRect& rect, QPoint shift) const {
    const QRect r = rect & target.rect();
    const int w = 模様_.width(), h = 模様_.height();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* from =
            reinterpret_cast<const QRgb*>(模様_.constScanLine(周期(y + shift.y() - 原点_.y(), h)));
        auto* to = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = r.left(); x <= r.right();) {
            const int at = 周期(x + shift.x() - 原点_.x(), w);
            const int n = std::min(w - at, r.right() + 1 - x);
            std::memcpy(to + x, from + at, static_cast<std::size_t>(n) * sizeof(QRgb));
            x += n;
        }
    }
}

}  // namespace yukora::window
