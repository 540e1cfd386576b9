// Speed of the move test and the influence survey.
#include <benchmark/benchmark.h>

#include "influence/survey.h"
#include "rules/making_move.h"
#include "rules/move_test.h"

namespace yukora {
namespace {

局面 初期() {
    局面 p;
    初期配置(p);
    return p;
}

// A middle game with pieces in both hands.
局面 中盤() {
    局面 p{};
    const int pieces[][3] = {{1, 1, 香},  {2, 1, 桂},    {4, 1, 金},  {6, 2, 王},  {7, 1, 銀},
                             {9, 1, 香},  {2, 2, 飛},    {5, 2, 金},  {7, 3, 銀},  {1, 3, 歩},
                             {2, 4, 歩},  {3, 3, 歩},    {4, 4, 歩},  {6, 3, 歩},  {8, 3, 歩},
                             {9, 4, 歩},  {5, 5, 角},    {1, 7, -歩}, {2, 6, -歩}, {3, 6, -歩},
                             {4, 7, -歩}, {5, 6, -歩},   {6, 7, -歩}, {8, 6, -歩}, {9, 7, -歩},
                             {2, 8, -角}, {8, 8, -飛成}, {1, 9, -香}, {3, 9, -銀}, {4, 8, -金},
                             {5, 8, -王}, {6, 9, -金},   {7, 8, -銀}, {9, 9, -香}, {3, 7, -桂}};
    for (const auto& [x, y, c] : pieces) p.盤[x][y] = static_cast<駒型>(c);
    p.MAN持駒 = {0, 1, 0, 1, 0, 0, 0, 0};
    p.COM持駒 = {0, 2, 0, 0, 0, 0, 0, 0};
    p.MAN持駒数 = 2;
    p.COM持駒数 = 2;
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
