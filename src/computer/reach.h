// Where a piece could possibly go from a square, by its kind alone (either side, nothing in the
// way): a superset of what the move test allows, so that a scan of destinations in scan order
// only asks the move test about these squares and finds exactly the same moves.
#pragma once
#include "computer/square_sets.h"

namespace yukora {

namespace 届く範囲の表 {

constexpr std::array<桝集合, 100> 隣を作る() {
    std::array<桝集合, 100> t{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) t[10 * x + y] = 四角(x - 1, x + 1, y - 1, y + 1);
    return t;
}

// The lines through each square: its column and row, and its two diagonals.
constexpr std::array<桝集合, 100> 縦横を作る() {
    std::array<桝集合, 100> t{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) t[10 * x + y] = 四角(x, x, 1, 9) | 四角(1, 9, y, y);
    return t;
}

constexpr std::array<桝集合, 100> 斜めを作る() {
    std::array<桝集合, 100> t{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            for (int u = 1; u <= 9; ++u)
                for (int v = 1; v <= 9; ++v)
                    if (u - x == v - y || u - x == y - v) t[10 * x + y].加える(10 * u + v);
    return t;
}

constexpr std::array<桝集合, 100> 桂を作る() {
    std::array<桝集合, 100> t{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            t[10 * x + y] = 四角(x - 1, x + 1, y - 2, y - 2) | 四角(x - 1, x + 1, y + 2, y + 2);
    return t;
}

constexpr std::array<桝集合, 100> 列を作る() {
    std::array<桝集合, 100> t{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) t[10 * x + y] = 四角(x, x, 1, 9);
    return t;
}

inline constexpr auto 隣 = 隣を作る();
inline constexpr auto 桂跳び = 桂を作る();
inline constexpr auto 列 = 列を作る();
inline constexpr auto 縦横 = 縦横を作る();
inline constexpr auto 斜め = 斜めを作る();

}  // namespace 届く範囲の表

// The squares `駒` (a code of either side) might move to from (x, y) on the board; every
// square for a code that is not a piece, which the move test does not refuse by its kind.
inline 桝集合 届く範囲(int 駒, int x, int y) {
    if (!盤上か(x, y)) return 全桝;
    const int s = 10 * x + y;
    switch (駒 < 0 ? -駒 : 駒) {
        case 歩:
        case と:
        case 香成:
        case 桂成:
        case 銀:
        case 銀成:
        case 金:
        case 王: return 届く範囲の表::隣[s];
        case 香: return 届く範囲の表::列[s];
        case 桂: return 届く範囲の表::桂跳び[s];
        case 角: return 届く範囲の表::斜め[s];
        case 角成: return 届く範囲の表::斜め[s] | 届く範囲の表::隣[s];
        case 飛: return 届く範囲の表::縦横[s];
        case 飛成: return 届く範囲の表::縦横[s] | 届く範囲の表::隣[s];
        default: return 全桝;
    }
}

}  // namespace yukora
