// The geometry of the survey: flat squares, the step patterns of the pieces and the last
// square of every ray. A square (x, y) is the flat offset s = 10 x + y of a board-sized array.
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace yukora::influence {

constexpr int 平(int x, int y) { return 10 * x + y; }

// One step (dx, dy) and a piece's pattern of steps, known at compile time.
struct 差 {
    int dx, dy;
    constexpr int 平差() const { return 10 * dx + dy; }
};
template <差... steps>
struct 歩型 {};

// Whether the step from (x, y) stays on the board; only the edges it may cross are tested.
template <差 st>
[[gnu::always_inline]] inline bool 盤内(int x, int y) {
    return (st.dx >= 0 || x > -st.dx) && (st.dx <= 0 || x <= 9 - st.dx) &&
           (st.dy >= 0 || y > -st.dy) && (st.dy <= 0 || y <= 9 - st.dy);
}

// Whether every step of a pattern from (x, y) stays on the board.
template <差... steps>
[[gnu::always_inline]] inline bool 全て盤内(歩型<steps...>, int x, int y) {
    constexpr int 左 = std::min({0, steps.dx...}), 右 = std::max({0, steps.dx...});
    constexpr int 上 = std::min({0, steps.dy...}), 下 = std::max({0, steps.dy...});
    return static_cast<unsigned>(x - 1 + 左) <= static_cast<unsigned>(8 - 右 + 左) &&
           static_cast<unsigned>(y - 1 + 上) <= static_cast<unsigned>(8 - 下 + 上);
}

// The bottom side (MAN) moves towards row 1, the top side (COM) towards row 9.
using MAN歩型 = 歩型<差{0, -1}>;
using MAN金型 = 歩型<差{0, -1}, 差{-1, -1}, 差{1, -1}, 差{0, 1}, 差{-1, 0}, 差{1, 0}>;
using MAN桂型 = 歩型<差{-1, -2}, 差{1, -2}>;
using MAN銀型 = 歩型<差{0, -1}, 差{-1, -1}, 差{1, -1}, 差{-1, 1}, 差{1, 1}>;
using COM歩型 = 歩型<差{0, 1}>;
using COM金型 = 歩型<差{0, -1}, 差{0, 1}, 差{-1, 1}, 差{1, 1}, 差{-1, 0}, 差{1, 0}>;
using COM桂型 = 歩型<差{-1, 2}, 差{1, 2}>;
using COM銀型 = 歩型<差{0, 1}, 差{-1, 1}, 差{1, 1}, 差{-1, -1}, 差{1, -1}>;
using 縦横型 = 歩型<差{0, -1}, 差{0, 1}, 差{-1, 0}, 差{1, 0}>;
using 斜め型 = 歩型<差{-1, -1}, 差{1, -1}, 差{-1, 1}, 差{1, 1}>;
using 八方型 =
    歩型<差{-1, -1}, 差{0, -1}, 差{1, -1}, 差{-1, 0}, 差{1, 0}, 差{-1, 1}, 差{0, 1}, 差{1, 1}>;

// Ray directions as flat offsets.
inline constexpr int 下向き = 1, 上向き = -1, 右向き = 10, 左向き = -10;
inline constexpr int 左上 = -11, 右上 = 9, 左下 = -9, 右下 = 11;

// The last square a ray reaches from each square before it leaves the board, by direction;
// the square itself where the ray leaves at once.
struct 終点表 {
    std::array<std::array<std::uint8_t, 100>, 23> by{};  // indexed by the direction + 11
    constexpr const std::array<std::uint8_t, 100>& operator[](int dir) const {
        return by[static_cast<std::size_t>(dir + 11)];
    }
};

constexpr 終点表 終点表を作る() {
    終点表 t{};
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            auto& last = t.by[static_cast<std::size_t>(10 * dx + dy + 11)];
            for (int x = 1; x <= 9; ++x) {
                for (int y = 1; y <= 9; ++y) {
                    int tx = x, ty = y;
                    if (dx != 0 || dy != 0)
                        while (tx + dx >= 1 && tx + dx <= 9 && ty + dy >= 1 && ty + dy <= 9) {
                            tx += dx;
                            ty += dy;
                        }
                    last[static_cast<std::size_t>(平(x, y))] =
                        static_cast<std::uint8_t>(平(tx, ty));
                }
            }
        }
    }
    return t;
}

inline constexpr 終点表 終点 = 終点表を作る();

}  // namespace yukora::influence
