// Speed of the computer's whole search (one turn's thinking) in three kinds of position.
#include <benchmark/benchmark.h>

#include "computer/search.h"
#include "influence/survey.h"
#include "rules/initial_setup.h"

namespace yukora {
namespace {

struct 置き駒 {
    int x, y, code;
};

局面 局面を作る(std::initializer_list<置き駒> pieces, 持駒型 com, 持駒型 man) {
    局面 p{};
    for (const auto& [x, y, code] : pieces) p.盤[x][y] = static_cast<駒型>(code);
    p.COM持駒 = com;
    p.MAN持駒 = man;
    for (int k = 1; k <= 7; ++k) {
        p.COM持駒数 += com[k];
        p.MAN持駒数 += man[k];
    }
    return p;
}

局面 初期() {
    局面 p;
    初期配置(p);
    return p;
}

// After move 69 of a recorded game: five kinds in the computer's hand, three in the human's.
局面 中盤() {
    return 局面を作る(
        {{1, 1, 20},   {1, 4, 10},   {1, 6, -10},  {1, 9, -20},  {2, 1, 30},  {2, 3, -11},
         {3, 2, 950},  {3, 4, -10},  {3, 8, -950}, {4, 1, 110},  {4, 3, 10},  {4, 5, -10},
         {4, 6, -800}, {4, 7, -100}, {4, 8, -110}, {4, 9, -110}, {5, 2, 100}, {5, 3, 110},
         {5, 4, 10},   {5, 7, -10},  {6, 4, 10},   {6, 6, -10},  {6, 7, 31},  {7, 5, 10},
         {8, 1, 10},   {8, 9, 901},  {9, 1, -901}, {9, 3, 10},   {9, 7, -10}, {9, 9, -20}},
        {0, 3, 1, 1, 1, 0, 1, 0}, {0, 1, 0, 1, 1, 0, 0, 0});
}

// After move 99 of the same game: the human king is exposed and golds in hand give check.
局面 王手のある局面() {
    return 局面を作る({{1, 1, 20},   {1, 4, 10},  {1, 6, -10},  {1, 9, -20}, {2, 4, -100},
                       {2, 5, -100}, {3, 2, 950}, {3, 3, 30},   {3, 5, -20}, {3, 7, -950},
                       {4, 1, 110},  {4, 3, 10},  {4, 9, 901},  {5, 2, 100}, {5, 3, 110},
                       {5, 4, 10},   {5, 7, -10}, {6, 4, 10},   {6, 6, -10}, {6, 7, 31},
                       {7, 5, 10},   {8, 1, 10},  {9, 3, -901}, {9, 7, -10}, {9, 9, -20}},
                      {0, 7, 0, 0, 0, 2, 0, 0}, {0, 1, 0, 2, 1, 0, 2, 0});
}

// Each iteration thinks from the same fresh state: the position surveyed once.
void 探索を測る(benchmark::State& state, 局面 start) {
    勢力地図 m0;
    勢力調査(start, m0);
    long 候補 = 0;
    for (auto _ : state) {
        局面 p = start;
        勢力地図 m = m0;
        COM思考状態 c;
        進行状態 s;
        const COM指し手 mv = COM探索(p, m, c, s);
        benchmark::DoNotOptimize(mv);
        候補 += c.評価回数;
    }
    state.counters["候補"] =
        benchmark::Counter(static_cast<double>(候補), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(探索を測る, 初期局面, 初期())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(探索を測る, 中盤両者持駒, 中盤())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(探索を測る, 王手あり, 王手のある局面())->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace yukora
