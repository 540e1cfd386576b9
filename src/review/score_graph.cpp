#include "review/score_graph.h"

#include <algorithm>

#include "computer/material_estimate.h"
#include "review/listed_positions.h"

namespace yukora {
namespace {

bool 王がいる(const 局面& p, int 王の駒) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (p.盤[x][y] == 王の駒) return true;
    return false;
}

}  // namespace

形勢点 形勢点にする(int 手数, long long 点, bool 詰み) {
    形勢点 r;
    r.手数 = 手数;
    r.詰み = 詰み;
    if (詰み) r.点 = 点 >= 0 ? 形勢の上限 : -形勢の上限;
    else r.点 = static_cast<int>(std::clamp<long long>(点, -形勢の上限, 形勢の上限));
    return r;
}

std::vector<形勢点> 駒割りの形勢(const 手順リスト& list, const 局面& 今, const 進行状態& s) {
    const int 最後 = 最後の局面(s.数);
    const int 最初の手数 = s.数.手数 - s.数.手順番号;
    std::vector<形勢点> r;
    r.reserve(static_cast<size_t>(最後) + 1);
    for (int i = 0; i <= 最後; ++i) {
        const 局面 p = 手の後の局面(list, 今, s.数, i);
        const bool 下の王 = 王がいる(p, -王), 上の王 = 王がいる(p, 王);
        if (下の王 != 上の王) r.push_back(形勢点にする(最初の手数 + i, 下の王 ? 1 : -1, true));
        else r.push_back(形勢点にする(最初の手数 + i, 駒割り(p, true) * 10LL, false));
    }
    return r;
}

void 崩れた手に印(棋譜の行一覧& rows, const std::vector<形勢点>& points, int 閾値) {
    const size_t n = std::min(rows.行.size(), points.size());
    for (size_t i = 1; i < n; ++i) {
        rows.行[i].崩れ = 崩れたか(points[i - 1], points[i], rows.行[i].下の手, 閾値);
    }
}

bool 崩れたか(const 形勢点& 前, const 形勢点& 後, bool 下の手, int 閾値) {
    const int 下がり = 下の手 ? 前.点 - 後.点 : 後.点 - 前.点;
    return 前.有り && 後.有り && 下がり > 閾値;
}

}  // namespace yukora
