#include "window/pictures/tile_art.h"

#include <algorithm>
#include <cmath>

#include "display/pictures.h"
#include "window/pictures/art_common.h"

namespace yukora::window {
namespace {

constexpr int 周期X = 38, 周期Y = 44;

// A device pixel's place in the tile's period: `x`, `y` the logical pixel (lines and marks keep
// their width in logical pixels, so they grow sharp-edged), `xf`, `yf` the pixel's centre in
// logical pixels (shading follows it smoothly), `nx`, `ny` the cell of a grid about one device
// pixel fine (the grain). At 100 % the three agree: xf = x + 0.5, nx = x.
struct 点 {
    int x, y;
    double xf, yf;
    int nx, ny;
};

QColor 緑(const 点& p) {
    const double 毛 = 雑音(p.nx, p.ny, 1) * 12.0 - 6.0;
    const double 織り = ((p.nx + p.ny) % 2 == 0) ? 2.0 : -2.0;
    return 明るさ(QColor(26, 108, 58), 毛 + 織り);
}

// One rush strand, 4 pixels high, sampled at the centres of its pixels at 100 % and joined
// straight between them; its edges stay sharp.
double 藺草(double t) {
    static constexpr double 段[4] = {12, 6, -2, -14};
    if (t <= 0.5) return 段[0];
    if (t >= 3.5) return 段[3];
    const int i = static_cast<int>(t - 0.5);
    const double f = t - 0.5 - i;
    return 段[i] + (段[i + 1] - 段[i]) * f;
}

QColor 畳(const 点& p) {
    const int 段 = p.y / 4;
    double d = 藺草(p.yf - 段 * 4) + 雑音(段, p.x / 6, 2) * 10.0 - 5.0;
    if (p.x % 19 == 9) d -= 16;  // the binding thread
    return 明るさ(QColor(136, 131, 70), d);
}

QColor 竹(const 点& p) {
    const int 幹 = p.x / 19;
    const double u = p.xf - 幹 * 19;
    if (u >= 17) return 明るさ(QColor(16, 32, 12), 雑音(p.nx, p.ny, 3) * 6.0);
    const double t = u / 17.0;
    const double 光 = std::pow(std::max(0.0, std::cos((t - 0.38) * 3.14159)), 1.4);
    QColor c = 混ぜる(QColor(36, 72, 26), QColor(110, 152, 70), 光);
    c = 明るさ(c, 雑音(p.nx, 0, 4) * 8.0 - 4.0);
    const int 節 = 幹 == 0 ? 9 : 31;
    if (p.y == 節) return 混ぜる(c, QColor(22, 44, 14), 0.7);
    if (p.y == 節 + 1) return 混ぜる(c, QColor(150, 180, 112), 0.5);
    if (p.y == 節 - 1) return 明るさ(c, -18);
    return c;
}

QColor 宇宙(const 点& p) {
    // Two bright stars with a small glow, round at any size, and a scatter of faint ones.
    struct 星 {
        int x, y;
    };
    static constexpr 星 明星[] = {{7, 12}, {27, 33}};
    for (const auto& s : 明星) {
        const double d = std::hypot(p.xf - (s.x + 0.5), p.yf - (s.y + 0.5));
        if (d < 0.5) return QColor(255, 255, 240);
        if (d < 1.01) return QColor(150, 160, 210);
    }
    const double n = 雑音(p.nx, p.ny, 5);
    if (n > 0.975) {
        const int b = 120 + static_cast<int>((n - 0.975) / 0.025 * 135);
        return 雑音(p.nx, p.ny, 6) > 0.5 ? QColor(b, b, qMin(255, b + 30))
                                         : QColor(b, b, b * 4 / 5);
    }
    const double x = p.xf - 0.5, y = p.yf - 0.5;
    const double 霞 = 6.0 * std::sin(x * 0.165 * 2) * std::sin(y * 0.143 * 2);
    return QColor(8 + static_cast<int>(霞 * 0.6 + 3), 8, 32 + static_cast<int>(霞 + 6));
}

QColor 煉瓦(const 点& p) {
    const int 段 = p.y / 11, v = p.y % 11;
    const int bx = 周期(p.x + (段 % 2 == 1 ? 9 : 0), 周期X);
    const int 個 = bx / 19, u = bx % 19;
    if (v >= 9 || u >= 17) return 明るさ(QColor(72, 68, 64), 雑音(p.nx, p.ny, 7) * 10.0 - 5.0);
    QColor c = 明るさ(QColor(88, 40, 30), 雑音(段, 個, 8) * 20.0 - 10.0);
    if (v == 0) c = 明るさ(c, 12);
    if (v == 8 || u == 16) c = 明るさ(c, -14);
    return 明るさ(c, 雑音(p.nx, p.ny, 9) * 12.0 - 6.0);
}

}  // namespace

QImage 背景の絵(int 背景画番号, qreal dpr, QSize size) {
    const int w = size.isValid() ? size.width() : qRound(背景絵_幅 * dpr);
    const int h = size.isValid() ? size.height() : qRound(背景絵_高さ * dpr);
    // The grain: about one device pixel, a whole number of cells per logical pixel.
    const int 細かさ = std::max(1, static_cast<int>(std::lround(dpr)));
    QImage img(w, h, QImage::Format_RGB32);
    for (int py = 0; py < h; ++py) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(py));
        for (int px = 0; px < w; ++px) {
            const double xf = std::fmod((px + 0.5) / dpr, 周期X);
            const double yf = std::fmod((py + 0.5) / dpr, 周期Y);
            const 点 p{static_cast<int>(xf),          static_cast<int>(yf),         xf, yf,
                       static_cast<int>(xf * 細かさ), static_cast<int>(yf * 細かさ)};
            QColor c;
            switch (背景画番号) {
                case 背景_緑: c = 緑(p); break;
                case 背景_畳: c = 畳(p); break;
                case 背景_竹: c = 竹(p); break;
                case 背景_宇宙: c = 宇宙(p); break;
                default: c = 煉瓦(p); break;
            }
            line[px] = c.rgb();
        }
    }
    return img;
}

}  // namespace yukora::window
