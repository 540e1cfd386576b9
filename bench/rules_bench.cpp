// Speed of the move test and the influence survey.
#include <benchmark/benchmark.h>

#include "influence/survey.h"
#include "positions.h"
#include "rules/making_move.h"
#include "rules/move_legality.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

局面 初期() { return test::初期局面(); }

局面 中盤() {
    局面 p = bench::SFENの局面(bench::中盤の局面);
    調査_2歩フラグ設定(p);
    return p;
}

void 全対の移動チェック(benchmark::State& state, 局面 p) {
    for (auto _ : state) {
        int n = 0;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                for (int u = 1; u <= 9; ++u)
                    for (int v = 1; v <= 9; ++v) n += 移動チェック(p, x, y, u, v, p.盤[x][y]);
        benchmark::DoNotOptimize(n);
    }
    state.SetItemsProcessed(state.iterations() * 81 * 81);
}

void 勢力調査を測る(benchmark::State& state, 局面 p) {
    勢力地図 m;
    for (auto _ : state) {
        勢力調査(p, m);
        benchmark::DoNotOptimize(m);
    }
}

BENCHMARK_CAPTURE(全対の移動チェック, 初期局面, 初期());
BENCHMARK_CAPTURE(全対の移動チェック, 中盤, 中盤());
BENCHMARK_CAPTURE(勢力調査を測る, 初期局面, 初期());
BENCHMARK_CAPTURE(勢力調査を測る, 中盤, 中盤());

}  // namespace
}  // namespace yukora
