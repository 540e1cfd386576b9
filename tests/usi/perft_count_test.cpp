#include "usi/perft_count.h"

#include <gtest/gtest.h>

#include "rules/perft.h"
#include "usi_test_support.h"

namespace yukora {
namespace {

// Says 続ける until its `n`-th question, then `answer`.
class 決まった割込み final : public 割込み {
public:
    決まった割込み(int n, 割込み指示 answer) : n_(n), answer_(answer) {}
    割込み指示 確かめる() override { return ++問われた < n_ ? 割込み指示::続ける : answer_; }
    int 問われた = 0;

private:
    int n_;
    割込み指示 answer_;
};

const char* const 局面例[] = {
    test::平手SFEN,
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1",
    "4k4/9/9/9/9/9/9/9/4K4 b RBGSNLPrbgsnlp 1",  // every kind in hand on both sides
    "ln1g3nl/1r1sk1g2/p1pp1p1pp/4p1p2/1p7/2P1P4/PPSP1PPPP/2G1K2R1/LN3GSNL w Bbs 1",
    "4k4/2P3P2/9/9/9/9/9/2p3p2/4K4 b - 1",  // promotions to choose and to force
};

TEST(中断できるperft, 割込みが無ければ規則のperftと同じ数) {
    for (const char* sfen : 局面例) {
        const USI局面 pos = test::SFENの局面(sfen);
        const int side = pos.手番 == 先手 ? 1 : -1;
        for (int depth = 1; depth <= (pos.p.MAN持駒数 > 0 ? 2 : 3); ++depth) {
            決まった割込み never(1 << 30, 割込み指示::止める);
            const perft結果 r = 中断できるperft(pos.p, side, depth, &never);
            EXPECT_EQ(r.数, perft(pos.p, side, depth)) << sfen << " depth " << depth;
            EXPECT_EQ(r.指示, 割込み指示::続ける);
        }
    }
}

TEST(中断できるperft, 止めるか終えるの答えでその場で終わる) {
    const USI局面 pos = test::SFENの局面(test::平手SFEN);
    const std::uint64_t full = perft(pos.p, 1, 3);
    for (const 割込み指示 answer : {割込み指示::止める, 割込み指示::終える}) {
        決まった割込み at(20, answer);
        const perft結果 r = 中断できるperft(pos.p, 1, 3, &at);
        EXPECT_EQ(r.指示, answer);
        EXPECT_EQ(at.問われた, 20);  // nothing asked once the answer came
        EXPECT_GT(r.数, 0u);
        EXPECT_LT(r.数, full / 2);
    }
    // Asked regularly: a count of 900 positions with moves listed asks dozens of times.
    決まった割込み never(1 << 30, 割込み指示::止める);
    中断できるperft(pos.p, 1, 3, &never);
    EXPECT_GT(never.問われた, 900 / 16 - 2);
}

}  // namespace
}  // namespace yukora
