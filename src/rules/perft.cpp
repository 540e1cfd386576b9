#include "rules/perft.h"

#include "game/board_view.h"
#include "game/state.h"
#include "rules/making_move.h"
#include "rules/move_enumeration.h"

namespace yukora {
namespace {

struct 数え方 {
    数え続けるか* 確認;
    bool 止めた = false;
    描画なし view;
    進行状態 s;

    std::uint64_t 数える(const 局面& p, int side, int depth) {
        if (depth <= 0) return 1;
        if (確認 && !止めた && !確認->続ける()) 止めた = true;
        if (止めた) return 0;
        局面 q = p;
        調査_2歩フラグ設定(q);
        std::uint64_t n = 0;
        手を並べる(q, side, [&](int 元X, int 元Y, int 先X, int 先Y, int 駒) {
            if (depth == 1) {
                ++n;
                return true;
            }
            局面 next = q;
            駒移動(next, s.番, view, 元X, 元Y, 先X, 先Y, 駒);
            n += 数える(next, -side, depth - 1);
            return !止めた;
        });
        return n;
    }
};

}  // namespace

std::uint64_t perft(const 局面& p, int side, int depth, 数え続けるか* 確認) {
    数え方 w{確認};
    return w.数える(p, side, depth);
}

}  // namespace yukora
