// The computer's search on each position of the set, one benchmark per position; the median
// over the set is what bench/median.py reports. Also the survey over the whole set.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "influence/survey.h"
#include "positions.h"
#include "search_runs.h"

namespace yukora::bench {
namespace {

int 駒数(const 局面& p) {
    int n = p.MAN持駒数 + p.COM持駒数;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) n += p.盤[x][y] != 0;
    return n;
}

void 探索(benchmark::State& state, 局面 start) {
    const long 候補 = 探索を繰り返す(state, start);
    state.counters["候補"] =
        benchmark::Counter(static_cast<double>(候補) / static_cast<double>(state.iterations()));
}

void 全局面の勢力調査(benchmark::State& state) {
    const auto set = 探索の局面();
    std::vector<局面> positions;
    for (const auto& b : set) positions.push_back(SFENの局面(b.sfen));
    勢力地図 m;
    for (auto _ : state) {
        for (auto& p : positions) {
            勢力調査(p, m);
            benchmark::DoNotOptimize(m);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(positions.size()));
}

const bool 登録済 = [] {
    int i = 0;
    for (const auto& b : 探索の局面()) {
        const 局面 p = SFENの局面(b.sfen);
        if (駒数(p) != 40) {
            std::fprintf(stderr, "bad bench position %d: %s\n", i, b.sfen);
            std::abort();
        }
        char name[32];
        std::snprintf(name, sizeof name, "探索/%02d", i++);
        benchmark::RegisterBenchmark(name, 探索, p)->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("勢力調査/全局面", 全局面の勢力調査);
    return true;
}();

}  // namespace
}  // namespace yukora::bench
