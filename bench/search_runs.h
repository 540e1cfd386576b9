// The search measured the same way by every benchmark that times it.
#pragma once
#include <benchmark/benchmark.h>

#include "computer/search.h"
#include "influence/survey.h"

namespace yukora::bench {

// One search per iteration, each from the same fresh state (the position surveyed once).
// Returns the candidates evaluated over all iterations.
inline long 探索を繰り返す(benchmark::State& state, 局面 start) {
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
    return 候補;
}

}  // namespace yukora::bench
