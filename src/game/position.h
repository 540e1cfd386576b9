// The position: board, hands with their totals, king squares and two-pawn flags.
#pragma once
#include "game/pieces.h"

namespace yukora {

struct 局面 {
    盤型 盤{};
    持駒型 MAN持駒{};  // bottom hand
    持駒型 COM持駒{};  // top hand
    int MAN持駒数 = 0;
    int COM持駒数 = 0;
    // Written by the influence survey (both) and by the bottom king's own move; never reset.
    int MAN王X = 0, MAN王Y = 0;
    int COM王X = 0, COM王Y = 0;
    列フラグ型 MAN2歩フラグ{};
    列フラグ型 COM2歩フラグ{};
};

// A position with the side to move, seen from the first player, as records and SFEN hold it:
// 先手's pieces are the bottom (negative) codes and its hand is MAN持駒, 後手's the top ones.
// File f, rank r is the square (10 - f, r).
struct 手番付き局面 {
    局面 p;
    int 手番 = 先手;  // 先手 (1) or 後手 (-1)
};

// The same pieces on the same squares and in the same hands (the totals and flags follow).
inline bool 同じ配置(const 局面& a, const 局面& b) {
    return a.盤 == b.盤 && a.MAN持駒 == b.MAN持駒 && a.COM持駒 == b.COM持駒;
}

// The starting position of a fresh game (hands empty, totals 0; king squares untouched).
void 初期配置(局面& p);

// Turning the position round: the square (x, y) goes to (10 - x, 10 - y) and every piece changes
// owner; the hands and their totals are exchanged. King squares and two-pawn flags are left as they
// are.
void 局面反転(局面& p);

}  // namespace yukora
