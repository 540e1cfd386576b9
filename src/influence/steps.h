// Step and ray tables of the survey, by flat square: s = 10 x + y, the offset of (x, y) in a
// board-sized array. Off-board steps are left out of the tables, so the survey never tests
// a bound.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace yukora::influence {

constexpr int 平(int x, int y) { return 10 * x + y; }

// The on-board targets of one step pattern from a square.
struct 歩先 {
    std::uint8_t n = 0;
    std::array<std::uint8_t, 8> t{};
};
using 歩先表 = std::array<歩先, 100>;

template <std::size_t N>
constexpr 歩先表 歩先表を作る(const int (&steps)[N][2]) {
    歩先表 tab{};
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            歩先& e = tab[平(x, y)];
            for (const auto& d : steps) {
                const int tx = x + d[0], ty = y + d[1];
                if (tx >= 1 && tx <= 9 && ty >= 1 && ty <= 9)
                    e.t[e.n++] = static_cast<std::uint8_t>(平(tx, ty));
            }
        }
    }
    return tab;
}

// Steps as (dx, dy); the bottom side (MAN) moves towards row 1, the top side (COM) to row 9.
inline constexpr int MAN歩の歩[1][2] = {{0, -1}};
inline constexpr int MAN金の歩[6][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 0}, {1, 0}};
inline constexpr int MAN桂の歩[2][2] = {{-1, -2}, {1, -2}};
inline constexpr int MAN銀の歩[5][2] = {{0, -1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
inline constexpr int COM歩の歩[1][2] = {{0, 1}};
inline constexpr int COM金の歩[6][2] = {{0, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
inline constexpr int COM桂の歩[2][2] = {{-1, 2}, {1, 2}};
inline constexpr int COM銀の歩[5][2] = {{0, 1}, {-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
inline constexpr int 縦横の歩[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
inline constexpr int 斜めの歩[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
inline constexpr int 八方の歩[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                       {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

inline constexpr 歩先表 MAN歩表 = 歩先表を作る(MAN歩の歩);
inline constexpr 歩先表 MAN金表 = 歩先表を作る(MAN金の歩);
inline constexpr 歩先表 MAN桂表 = 歩先表を作る(MAN桂の歩);
inline constexpr 歩先表 MAN銀表 = 歩先表を作る(MAN銀の歩);
inline constexpr 歩先表 COM歩表 = 歩先表を作る(COM歩の歩);
inline constexpr 歩先表 COM金表 = 歩先表を作る(COM金の歩);
inline constexpr 歩先表 COM桂表 = 歩先表を作る(COM桂の歩);
inline constexpr 歩先表 COM銀表 = 歩先表を作る(COM銀の歩);
inline constexpr 歩先表 縦横表 = 歩先表を作る(縦横の歩);
inline constexpr 歩先表 斜め表 = 歩先表を作る(斜めの歩);
inline constexpr 歩先表 八方表 = 歩先表を作る(八方の歩);

// Ray directions as flat offsets, in the order the survey takes them.
inline constexpr int 下向き = 1, 上向き = -1, 右向き = 10, 左向き = -10;
inline constexpr int 左上 = -11, 右上 = 9, 左下 = -9, 右下 = 11;

// How many squares a ray in direction (dx, dy) crosses from each square before leaving the board.
constexpr std::array<std::uint8_t, 100> 射程を作る(int dx, int dy) {
    std::array<std::uint8_t, 100> len{};
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            int n = 0;
            for (int tx = x + dx, ty = y + dy; tx >= 1 && tx <= 9 && ty >= 1 && ty <= 9;
                 tx += dx, ty += dy)
                ++n;
            len[平(x, y)] = static_cast<std::uint8_t>(n);
        }
    }
    return len;
}

// Indexed by the flat offset of the direction (d + 11).
struct 射程表 {
    std::array<std::array<std::uint8_t, 100>, 23> by{};
    constexpr const std::array<std::uint8_t, 100>& operator[](int d) const { return by[d + 11]; }
};

constexpr 射程表 射程表を作る() {
    射程表 t{};
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0) t.by[10 * dx + dy + 11] = 射程を作る(dx, dy);
    return t;
}

inline constexpr 射程表 射程 = 射程表を作る();

}  // namespace yukora::influence
