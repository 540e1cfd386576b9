// Piece codes, hand kinds and the board type shared by every subsystem.
#pragma once
#include <array>
#include <cstdint>
#include <cstdlib>

namespace yukora {

// Top-side (COM) pieces are positive, bottom-side (MAN) pieces the same codes negated.
inline constexpr int 歩 = 10, と = 11, 香 = 20, 香成 = 21, 桂 = 30, 桂成 = 31, 銀 = 100, 銀成 = 101,
                     金 = 110, 金成 = 111, 角 = 800, 角成 = 801, 飛 = 900, 飛成 = 901, 王 = 950;

// Hand kinds, indices into the hand arrays (1..7).
inline constexpr int 持駒_歩 = 1, 持駒_香 = 2, 持駒_桂 = 3, 持駒_銀 = 4, 持駒_金 = 5, 持駒_角 = 6,
                     持駒_飛 = 7;

// Side values.
inline constexpr int 先手 = 1, 後手 = -1;

// Pseudo-columns of the hands: the bottom hand right of the board, the top hand left of it.
inline constexpr int 自持駒列 = 11, 敵持駒列 = -1;

// Screen rows of the hand slots: the bottom hand shows kind k on row k + 2 (pawn on 3 … rook on
// 9), the top hand on row 8 - k (rook on 1 … pawn on 7); the others turn a row back into a kind.
constexpr int 自持駒の行(int kind) { return kind + 2; }
constexpr int 敵持駒の行(int kind) { return 8 - kind; }
constexpr int 自持駒行の種類(int row) { return row - 2; }
constexpr int 敵持駒行の種類(int row) { return 8 - row; }

using 駒型 = std::int16_t;
// Board-sized arrays are indexed [x][y] with 0..9, of which 1..9 are used.
using 盤型 = std::array<std::array<駒型, 10>, 10>;
using 持駒型 = std::array<駒型, 8>;  // index 1..7 by hand kind
using 列フラグ型 = std::array<std::int8_t, 10>;

constexpr bool 自駒か(int c) { return c <= -10; }
constexpr bool 敵駒か(int c) { return c >= 10; }

// Hand kind of a (possibly promoted) code of either side; 0 for the king, empty and unknown codes.
constexpr int 持駒種類(int c) {
    switch (c < 0 ? -c : c) {
        case 歩:
        case と: return 持駒_歩;
        case 香:
        case 香成: return 持駒_香;
        case 桂:
        case 桂成: return 持駒_桂;
        case 銀:
        case 銀成: return 持駒_銀;
        case 金:
        case 金成: return 持駒_金;
        case 角:
        case 角成: return 持駒_角;
        case 飛:
        case 飛成: return 持駒_飛;
        default: return 0;
    }
}

// Unpromoted top-side code of a hand kind 1..7.
constexpr int 持駒の駒(int kind) {
    constexpr int codes[8] = {0, 歩, 香, 桂, 銀, 金, 角, 飛};
    return kind >= 1 && kind <= 7 ? codes[kind] : 0;
}

// Every code that may stand on the board (the 28 pieces of the table).
constexpr bool 盤の駒コードか(int c) {
    switch (c < 0 ? -c : c) {
        case 歩:
        case と:
        case 香:
        case 香成:
        case 桂:
        case 桂成:
        case 銀:
        case 銀成:
        case 金:
        case 角:
        case 角成:
        case 飛:
        case 飛成:
        case 王: return true;
        default: return false;
    }
}

constexpr bool 盤上か(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }

}  // namespace yukora
