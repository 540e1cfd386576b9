// Every move of one side that the game's move test allows, in the order of the game's own
// loops: board moves by origin x, origin y, destination x, destination y, then drops by hand
// kind and destination. Checks are not looked at.
#pragma once
#include "game/position.h"
#include "rules/making_move.h"
#include "rules/move_legality.h"

namespace yukora {

// Calls f(元X, 元Y, 先X, 先Y, 駒) for each move, 駒 being the code that ends on the
// destination; a promotion that may be declined gives two calls, the promoted one first. A drop
// comes from the side's hand column (自持駒列, its row) or (敵持駒列, kind). `side` is 1 for the
// bottom side, -1 for the top. p's two-pawn flags must be set. f returns false to stop the listing;
// the result is false when it was stopped.
template <class F>
bool 手を並べる(const 局面& p, int side, F&& f) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int c = p.盤[x][y];
            if (side > 0 ? !自駒か(c) : !敵駒か(c)) continue;
            for (int u = 1; u <= 9; ++u) {
                for (int v = 1; v <= 9; ++v) {
                    if (移動チェック(p, x, y, u, v, c) != 1) continue;
                    int 成駒 = 0;
                    if (調査_駒成(x, y, u, v, c, 成駒) == 1) {
                        if (!f(x, y, u, v, 成駒)) return false;
                        if (移動後チェック(v, c) == 0) continue;
                    }
                    if (!f(x, y, u, v, c)) return false;
                }
            }
        }
    }
    const 持駒型& hand = side > 0 ? p.MAN持駒 : p.COM持駒;
    for (int k = 1; k <= 7; ++k) {
        if (hand[k] <= 0) continue;
        const int 駒 = side > 0 ? -持駒の駒(k) : 持駒の駒(k);
        const int 元X = side > 0 ? 自持駒列 : 敵持駒列;
        const int 元Y = side > 0 ? 自持駒の行(k) : k;
        for (int u = 1; u <= 9; ++u)
            for (int v = 1; v <= 9; ++v)
                if (移動チェック(p, 元X, 元Y, u, v, 駒) == 1 && !f(元X, 元Y, u, v, 駒))
                    return false;
    }
    return true;
}

}  // namespace yukora
