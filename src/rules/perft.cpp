#include "rules/perft.h"

#include "rules/making_move.h"
#include "rules/move_test.h"

namespace yukora {
namespace {

struct 数え方 {
    描画なし view;
    進行状態 s;
};

std::uint64_t 数える(const 局面& p, int side, int depth, 数え方& w);

std::uint64_t 指して数える(const 局面& p, int side, int depth, 数え方& w, int 元X, int 元Y, int 先X,
                           int 先Y, int 駒) {
    if (depth == 1) return 1;
    局面 next = p;
    駒移動(next, w.s.番, w.view, 元X, 元Y, 先X, 先Y, 駒);
    return 数える(next, -side, depth - 1, w);
}

std::uint64_t 盤上の手(const 局面& p, int side, int depth, 数え方& w) {
    std::uint64_t n = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int c = p.盤[x][y];
            if (side > 0 ? !自駒か(c) : !敵駒か(c)) continue;
            for (int u = 1; u <= 9; ++u) {
                for (int v = 1; v <= 9; ++v) {
                    if (移動チェック(p, x, y, u, v, c) != 1) continue;
                    int 成駒 = 0;
                    if (調査_駒成(x, y, u, v, c, 成駒) == 1) {
                        n += 指して数える(p, side, depth, w, x, y, u, v, 成駒);
                        if (移動後チェック(v, c) == 0) continue;
                    }
                    n += 指して数える(p, side, depth, w, x, y, u, v, c);
                }
            }
        }
    }
    return n;
}

std::uint64_t 打つ手(const 局面& p, int side, int depth, 数え方& w) {
    const 持駒型& hand = side > 0 ? p.MAN持駒 : p.COM持駒;
    std::uint64_t n = 0;
    for (int k = 1; k <= 7; ++k) {
        if (hand[k] <= 0) continue;
        const int 駒 = side > 0 ? -持駒の駒(k) : 持駒の駒(k);
        const int 元X = side > 0 ? 自持駒列 : 敵持駒列;
        const int 元Y = side > 0 ? k + 2 : k;
        for (int u = 1; u <= 9; ++u)
            for (int v = 1; v <= 9; ++v)
                if (移動チェック(p, 元X, 元Y, u, v, 駒) == 1)
                    n += 指して数える(p, side, depth, w, 元X, 元Y, u, v, 駒);
    }
    return n;
}

std::uint64_t 数える(const 局面& p, int side, int depth, 数え方& w) {
    if (depth <= 0) return 1;
    局面 q = p;
    調査_2歩フラグ設定(q);
    return 盤上の手(q, side, depth, w) + 打つ手(q, side, depth, w);
}

}  // namespace

std::uint64_t perft(const 局面& p, int side, int depth) {
    数え方 w;
    return 数える(p, side, depth, w);
}

}  // namespace yukora
