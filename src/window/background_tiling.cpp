#include "window/background_tiling.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "display/grid.h"
#include "display/pictures.h"
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
    : 周期_(周期の画素(桝幅 * ratio / 画素あたりtwip), 周期の画素(桝高 * ratio / 画素あたりtwip)),
      原点_(origin) {
    const QImage one = 背景の絵(背景画番号, ratio, 周期_);
    // Wide enough for a tile's row from any point of the period.
    const int copies = 1 + (qRound(背景絵_幅 * ratio) + 周期_.width() - 1) / 周期_.width();
    模様_ = QImage(周期_.width() * copies, 周期_.height(), QImage::Format_RGB32);
    for (int y = 0; y < 周期_.height(); ++y)
        for (int i = 0; i < copies; ++i)
            std::memcpy(模様_.scanLine(y) + i * one.bytesPerLine(), one.constScanLine(y),
                        static_cast<std::size_t>(one.bytesPerLine()));
}

void 地の模様::敷く(QImage& target, const QRect& rect, QPoint shift) const {
    const QRect r = rect & target.rect();
    if (r.isEmpty()) return;
    // Where the first row starts in the pattern; every row starts there.
    const int first = window::周期(r.left() + shift.x() - 原点_.x(), 周期_.width());
    int row = window::周期(r.top() + shift.y() - 原点_.y(), 周期_.height());
    const int width = 模様_.width();
    const qsizetype from_line = 模様_.bytesPerLine(), to_line = target.bytesPerLine();
    const uchar* pattern = 模様_.constBits();
    uchar* to_row = target.bits() + r.top() * to_line;
    for (int y = r.top(); y <= r.bottom(); ++y, to_row += to_line) {
        const auto* from = reinterpret_cast<const QRgb*>(pattern + row * from_line);
        auto* to = reinterpret_cast<QRgb*>(to_row) + r.left();
        for (int at = first, left = r.width(); left > 0; at = 0) {
            const int n = std::min(width - at, left);
            std::memcpy(to, from + at, static_cast<std::size_t>(n) * sizeof(QRgb));
            to += n;
            left -= n;
        }
        if (++row == 周期_.height()) row = 0;
    }
}

}  // namespace yukora::window
