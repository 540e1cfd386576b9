#include "formats/game_end.h"

#include "influence/survey.h"
#include "rules/mate.h"

namespace yukora {
namespace {

bool 王がいる(const 局面& p, int king) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (p.盤[x][y] == king) return true;
    return false;
}

}  // namespace

終局理由 終局を調べる(const 局面& p, const 進行状態& s) {
    if (s.番.勝者 == 0 || s.数.手順番号 != s.数.手順最終 + 1) return 終局理由::中断;
    if (!王がいる(p, 王) || !王がいる(p, -王)) return 終局理由::反則勝ち;
    // Only the computer's loss ends a game without a king taken: its mate or its giving up.
    局面 q = p;
    勢力地図 m;
    勢力調査(q, m);
    return 詰めかCOM(q, m) == 1 ? 終局理由::詰み : 終局理由::投了;
}

}  // namespace yukora
