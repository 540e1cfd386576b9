#include "usi/perft_count.h"

#include "game/board_view.h"
#include "game/state.h"
#include "usi/move_enumeration.h"

namespace yukora {
namespace {

class 数え手 {
public:
    explicit 数え手(割込み* 割込) : 割込_(割込) {}

    // Input is looked at once every 16 positions that have moves listed (well under a
    // millisecond apart even where every drop has to be tried).
    bool 続けるか() {
        if (割込_ && 指示 == 割込み指示::続ける && ++呼出_ % 16 == 0) 指示 = 割込_->確かめる();
        return 指示 == 割込み指示::続ける;
    }

    std::uint64_t 数える(const 局面& p, int side, int depth) {
        if (depth <= 0) return 1;
        if (!続けるか()) return 0;
        局面 q = p;
        調査_2歩フラグ設定(q);
        std::uint64_t n = 0;
        手を並べる(q, side, [&](int 元X, int 元Y, int 先X, int 先Y, int 駒) {
            if (depth == 1) {
                ++n;
                return true;
            }
            局面 next = q;
            駒移動(next, s_.番, view_, 元X, 元Y, 先X, 先Y, 駒);
            n += 数える(next, -side, depth - 1);
            return 指示 == 割込み指示::続ける;
        });
        return n;
    }

    割込み指示 指示 = 割込み指示::続ける;

private:
    割込み* 割込_;
    unsigned 呼出_ = 0;
    描画なし view_;
    進行状態 s_;
};

}  // namespace

perft結果 中断できるperft(const 局面& p, int side, int depth, 割込み* 割込) {
    数え手 w(割込);
    const std::uint64_t n = w.数える(p, side, depth);
    return {n, w.指示};
}

}  // namespace yukora
