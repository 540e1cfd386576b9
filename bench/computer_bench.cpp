// Speed of the computer's whole search (one turn's thinking) in three kinds of position.
#include <benchmark/benchmark.h>

#include "search_runs.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

局面 初期() { return test::初期局面(); }

// After move 69 of a recorded game: five kinds in the computer's hand, three in the human's.
局面 中盤() {
    return test::盤面(R"(
        l n . g . . . p+R
        . . k . s . . . .
        .+P . p g . . . p
        p . P . p p . . .
        . . . P . . p . .
        P . . B . P . . .
        . . . S P+n . . P
        . . K G . . . . .
        L . . G . . .+r L
    )",
                      "SNPbsnl3p");
}

// After move 99 of the same game: the human king is exposed and golds in hand give check.
局面 王手のある局面() {
    return test::盤面(R"(
        l . . g . . . p .
        . . k . s . . . .
        . . n p g . . .+R
        p S . . p p . . .
        . S L . . . p . .
        P . . . . P . . .
        . . K . P+n . . P
        . . . . . . . . .
        L . .+r . . . . L
    )",
                      "2BS2NP2g7p");
}

void 探索を測る(benchmark::State& state, 局面 start) {
    const long 候補 = bench::探索を繰り返す(state, start);
    state.counters["候補"] =
        benchmark::Counter(static_cast<double>(候補), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(探索を測る, 初期局面, 初期())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(探索を測る, 中盤両者持駒, 中盤())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(探索を測る, 王手あり, 王手のある局面())->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace yukora
