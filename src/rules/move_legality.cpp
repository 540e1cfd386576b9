#include "rules/move_legality.h"

namespace yukora {
namespace {

bool 空き(const 局面& p, int x, int y) { return p.盤[x][y] == 0; }

// Gold-style step: one forward (straight or diagonal), one sideways, or one straight back.
bool 金の動き(int dx, int dy, int 前) {
    const int adx = dx < 0 ? -dx : dx;
    return (adx <= 1 && dy == 前) || (dy == 0 && adx <= 1) || (dx == 0 && dy == -前);
}

bool 一歩以内(int dx, int dy) { return dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1; }

// Lance path: every square strictly between origin and destination in the column is empty.
bool 香の筋が空き(const 局面& p, int x, int 元Y, int 先Y) {
    const int step = 先Y > 元Y ? 1 : -1;
    for (int y = 元Y + step; y != 先Y; y += step)
        if (!空き(p, x, y)) return false;
    return true;
}

int 打ち(const 局面& p, int 先X, int 先Y, int 駒) {
    if (p.盤[先X][先Y] != 0) return 0;
    if (駒 == -歩 && p.MAN2歩フラグ[先X] == 1) return 0;
    if (駒 == 歩 && p.COM2歩フラグ[先X] == 1) return 0;
    switch (駒) {
        case 歩:
        case 香: return 先Y == 9 ? 0 : 1;
        case -歩:
        case -香: return 先Y == 1 ? 0 : 1;
        case 桂: return 先Y <= 7 ? 1 : 0;
        case -桂: return 先Y >= 3 ? 1 : 0;
        default: return 1;
    }
}

}  // namespace

int 移動チェック(const 局面& p, int 元X, int 元Y, int 先X, int 先Y, int 駒) {
    if (!盤上か(先X, 先Y)) return 0;
    if (先X == 元X && 先Y == 元Y) return 0;
    const int 先 = p.盤[先X][先Y];
    if (駒 > 0 ? 敵駒か(先) : 自駒か(先)) return 0;
    if (元X == 自持駒列 || 元X == 敵持駒列) return 打ち(p, 先X, 先Y, 駒);

    const int dx = 先X - 元X, dy = 先Y - 元Y;
    const int 前 = 駒 > 0 ? 1 : -1;
    switch (駒) {
        case 歩:
        case -歩: return dx == 0 && dy == 前 ? 1 : 0;
        case 香:
        case -香: return dx == 0 && dy * 前 > 0 && 香の筋が空き(p, 元X, 元Y, 先Y) ? 1 : 0;
        case 桂:
        case -桂: return dy == 2 * 前 && (dx == 1 || dx == -1) ? 1 : 0;
        case 銀:
        case -銀: return dx >= -1 && dx <= 1 && (dy == 前 || (dy == -前 && dx != 0)) ? 1 : 0;
        case 金:
        case -金:
        case と:
        case -と:
        case 香成:
        case -香成:
        case 桂成:
        case -桂成:
        case 銀成:
        case -銀成: return 金の動き(dx, dy, 前) ? 1 : 0;
        case 角:
        case -角: return 移動チェック角(p, 元X, 元Y, 先X, 先Y);
        case 角成:
        case -角成: return 一歩以内(dx, dy) ? 1 : 移動チェック角(p, 元X, 元Y, 先X, 先Y);
        case 飛:
        case -飛: return 移動チェック飛車(p, 元X, 元Y, 先X, 先Y);
        case 飛成:
        case -飛成: return 一歩以内(dx, dy) ? 1 : 移動チェック飛車(p, 元X, 元Y, 先X, 先Y);
        case 王:
        case -王: return 一歩以内(dx, dy) ? 1 : 0;
        default: return 1;  // an unknown code is not refused by the piece table
    }
}

int 移動チェック飛車(const 局面& p, int 元X, int 元Y, int 先X, int 先Y) {
    if (元X != 先X && 元Y != 先Y) return 0;
    if (元Y != 先Y) {
        const int step = 先Y > 元Y ? 1 : -1;
        for (int y = 元Y + step; y != 先Y; y += step)
            if (!空き(p, 先X, y)) return 0;
    }
    if (元X != 先X) {
        const int step = 先X > 元X ? 1 : -1;
        for (int x = 元X + step; x != 先X; x += step)
            if (!空き(p, x, 先Y)) return 0;
    }
    return 1;
}

int 移動チェック角(const 局面& p, int 元X, int 元Y, int 先X, int 先Y) {
    if (!(先X - 先Y == 元X - 元Y || 先X - 元X == 元Y - 先Y)) return 0;
    if (元Y - 先Y == 先X - 元X) {
        if (元Y > 先Y) {  // up and to the right
            for (int k = 1; 元X + k < 先X; ++k)
                if (!空き(p, 元X + k, 元Y - k)) return 0;
        } else {  // down and to the left
            for (int k = 1; 元X - k > 先X; ++k)
                if (!空き(p, 元X - k, 元Y + k)) return 0;
        }
    } else if (元Y > 先Y) {  // up and to the left
        for (int k = 1; 元X - k > 先X; ++k)
            if (!空き(p, 元X - k, 元Y - k)) return 0;
    } else {  // down and to the right
        for (int k = 1; 元X + k < 先X; ++k)
            if (!空き(p, 元X + k, 元Y + k)) return 0;
    }
    return 1;
}

}  // namespace yukora
