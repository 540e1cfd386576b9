// Speed of the move list's rows and the built-in evaluation graph over long games.
#include <benchmark/benchmark.h>

#include "game/board_view.h"
#include "review/move_rows.h"
#include "review/score_graph.h"
#include "rules/making_move.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

struct 長い対局 {
    局面 p = test::初期局面();
    進行状態 s;
    手順リスト list;
};

// Both kings step forward and back: 300 moves, right after the last one.
長い対局 玉の往復(int 手の数) {
    長い対局 g;
    g.s.番.MAN番 = 1;
    g.s.番.COM番 = -1;
    描画なし view;
    const char* cycle[] = {"+5958OU", "-5152OU", "+5859OU", "-5251OU"};
    for (int i = 0; i < 手の数; ++i) {
        const test::CSA指し手 m = test::CSAを読む(cycle[i % 4]);
        const float t = static_cast<float>(i);
        手順保存(g.list, g.p, g.s.数, t, t + 1, t, t + 1);
        駒移動(g.p, g.s.番, view, m.元X, m.元Y, m.先X, m.先Y, m.駒);
        ++g.s.数.手順番号;
        ++g.s.数.手数;
    }
    return g;
}

void 棋譜リストを作る(benchmark::State& state) {
    const 長い対局 g = 玉の往復(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(棋譜行を作る(g.list, g.p, g.s));
}
BENCHMARK(棋譜リストを作る)->Arg(300)->Unit(benchmark::kMillisecond);

void 内蔵の形勢グラフ(benchmark::State& state) {
    const 長い対局 g = 玉の往復(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(駒割りの形勢(g.list, g.p, g.s));
}
BENCHMARK(内蔵の形勢グラフ)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace yukora
