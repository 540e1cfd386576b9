// Runs the computer's search once on every position of the bench set at each level and
// prints the moves, then surveys the middle-game position of the survey benchmark a fixed
// number of times. A steady load for `valgrind --tool=callgrind` (instruction counts), and a
// list of moves to compare between two builds.
//
// Build from the repository root after building the core:
//   g++ -std=c++20 -O2 -g -Isrc -Ibench bench/tools/search_once.cpp bench/positions.cpp \
//       build/libyukora_core.a -o /tmp/search_once
#include <cstdio>
#include <cstdlib>

#include "computer/search.h"
#include "influence/survey.h"
#include "positions.h"

namespace yukora::bench {
namespace {

void 探索一回(const 局面& start, int level, int i) {
    局面 p = start;
    勢力地図 m;
    勢力調査(p, m);
    COM思考状態 c;
    進行状態 s;
    s.強さ.レベル = level;
    const COM指し手 mv = COM探索(p, m, c, s);
    std::printf("%02d L%d (%d,%d)->(%d,%d) %d->%d %d\n", i, level, mv.元X, mv.元Y, mv.先X, mv.先Y,
                mv.駒前, mv.駒後, mv.点十倍);
}

}  // namespace
}  // namespace yukora::bench

int main(int argc, char** argv) {
    using namespace yukora;
    using namespace yukora::bench;
    const int surveys = argc > 1 ? std::atoi(argv[1]) : 10000;
    int i = 0;
    for (const auto& b : 探索の局面()) {
        const 局面 p = SFENの局面(b.sfen);
        for (int level = 1; level <= 3; ++level) 探索一回(p, level, i);
        ++i;
    }
    局面 p = SFENの局面(中盤の局面);
    勢力地図 m;
    for (int n = 0; n < surveys; ++n) 勢力調査(p, m);
    std::printf("%d\n", m.勢力MAN[5][5]);
}
