// Helpers shared by the picture makers: periodic noise and colour arithmetic.
#pragma once
#include <QColor>
#include <cstdint>

namespace yukora::window {

// A repeatable pseudo-random value in [0, 1) for integer coordinates.
inline double 雑音(int x, int y, int seed = 0) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFFu) / double(0x1000000);
}

// Integer modulo that is never negative.
inline int 周期(int v, int n) { return ((v % n) + n) % n; }

inline QColor 明るさ(QColor c, double d) {
    auto f = [d](int v) { return qBound(0, static_cast<int>(v + d), 255); };
    return QColor(f(c.red()), f(c.green()), f(c.blue()));
}

inline QColor 混ぜる(QColor a, QColor b, double t) {
    auto f = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(f(a.red(), b.red()), f(a.green(), b.green()), f(a.blue(), b.blue()));
}

}  // namespace yukora::window
