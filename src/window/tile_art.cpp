#include "window/tile_art.h"

#include <cmath>

#include "display/pictures.h"
#include "window/art_common.h"

namespace yukora::window {
namespace {

constexpr int 周期X = 38, 周期Y = 44;

// Each takes a logical pixel already reduced to the period.
QColor 緑(int x, int y) {
    const double 毛 = 雑音(x, y, 1) * 12.0 - 6.0;
    const double 織り = ((x + y) % 2 == 0) ? 2.0 : -2.0;
    return 明るさ(QColor(26, 108, 58), 毛 + 織り);
}

QColor 畳(int x, int y) {
    static constexpr double 藺草[4] = {12, 6, -2, -14};  // one rush strand, 4 pixels high
    const int 段 = y / 4;
    double d = 藺草[y % 4] + 雑音(段, x / 6, 2) * 10.0 - 5.0;
    if (x % 19 == 9) d -= 16;  // the binding thread
    return 明るさ(QColor(136, 131, 70), d);
}

QColor 竹(int x, int y) {
    const int 幹 = x / 19, u = x % 19;
    if (u >= 17) return 明るさ(QColor(16, 32, 12), 雑音(x, y, 3) * 6.0);
    const double t = (u + 0.5) / 17.0;
    const double 光 = std::pow(std::max(0.0, std::cos((t - 0.38) * 3.14159)), 1.4);
    QColor c = 混ぜる(QColor(36, 72, 26), QColor(110, 152, 70), 光);
    c = 明るさ(c, 雑音(x, 0, 4) * 8.0 - 4.0);
    const int 節 = 幹 == 0 ? 9 : 31;
    if (y == 節) return 混ぜる(c, QColor(22, 44, 14), 0.7);
    if (y == 節 + 1) return 混ぜる(c, QColor(150, 180, 112), 0.5);
    if (y == 節 - 1) return 明るさ(c, -18);
    return c;
}

QColor 宇宙(int x, int y) {
    // Two bright stars with a small glow, and a scatter of faint ones.
    struct 星 {
        int x, y;
    };
    static constexpr 星 明星[] = {{7, 12}, {27, 33}};
    for (const auto& s : 明星) {
        const int dx = std::abs(x - s.x), dy = std::abs(y - s.y);
        if (dx == 0 && dy == 0) return QColor(255, 255, 240);
        if (dx + dy == 1) return QColor(150, 160, 210);
    }
    const double n = 雑音(x, y, 5);
    if (n > 0.975) {
        const int b = 120 + static_cast<int>((n - 0.975) / 0.025 * 135);
        return 雑音(x, y, 6) > 0.5 ? QColor(b, b, qMin(255, b + 30)) : QColor(b, b, b * 4 / 5);
    }
    const double 霞 = 6.0 * std::sin(x * 0.165 * 2) * std::sin(y * 0.143 * 2);
    return QColor(8 + static_cast<int>(霞 * 0.6 + 3), 8, 32 + static_cast<int>(霞 + 6));
}

QColor 煉瓦(int x, int y) {
    const int 段 = y / 11, v = y % 11;
    const int bx = 周期(x + (段 % 2 == 1 ? 9 : 0), 周期X);
    const int 個 = bx / 19, u = bx % 19;
    if (v >= 9 || u >= 17) return 明るさ(QColor(72, 68, 64), 雑音(x, y, 7) * 10.0 - 5.0);
    QColor c = 明るさ(QColor(88, 40, 30), 雑音(段, 個, 8) * 20.0 - 10.0);
    if (v == 0) c = 明るさ(c, 12);
    if (v == 8 || u == 16) c = 明るさ(c, -14);
    return 明るさ(c, 雑音(x, y, 9) * 12.0 - 6.0);
}

}  // namespace

QImage 背景の絵(int 背景画番号, qreal dpr) {
    const int w = qRound(背景絵_幅 * dpr), h = qRound(背景絵_高さ * dpr);
    QImage img(w, h, QImage::Format_RGB32);
    for (int py = 0; py < h; ++py) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(py));
        for (int px = 0; px < w; ++px) {
            const int x = 周期(static_cast<int>(std::floor((px + 0.5) / dpr)), 周期X);
            const int y = 周期(static_cast<int>(std::floor((py + 0.5) / dpr)), 周期Y);
            QColor c;
            switch (背景画番号) {
                case 背景_緑: c = 緑(x, y); break;
                case 背景_畳: c = 畳(x, y); break;
                case 背景_竹: c = 竹(x, y); break;
                case 背景_宇宙: c = 宇宙(x, y); break;
                default: c = 煉瓦(x, y); break;
            }
            line[px] = c.rgb();
        }
    }
    return img;
}

}  // namespace yukora::window
