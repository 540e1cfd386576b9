#include "usi/candidates.h"

#include <algorithm>
#include <cstdlib>

#include "computer/evaluation.h"
#include "computer/search.h"
#include "influence/survey.h"
#include "rules/making_move.h"
#include "rules/move_test.h"
#include "usi/think.h"

namespace yukora {
namespace {

// The search's loops, every candidate kept.
struct 列挙 {
    const USI局面& pos;
    局面 p;
    int レベル;
    勢力地図 m{};
    COM思考状態 c{};
    候補一覧 結果{};

    点数 評価(int 取駒, int 置駒, int 元X, int 元Y, int 先X, int 先Y) {
        勢力調査(p, m);
        ++c.評価回数;
        return 盤評価(p, m, c, レベル, 取駒, 置駒, 元X, 元Y, 先X, 先Y);
    }

    点数 盤上手の点(int x, int y, int dx, int dy, int& 駒後) {
        const int 駒 = p.盤[x][y];
        c.移動駒 = 駒;
        c.移動元王距離 = std::max(std::abs(x - p.MAN王X), std::abs(y - p.MAN王Y));
        const int 取駒 = p.盤[dx][dy];
        p.盤[x][y] = 0;
        p.盤[dx][dy] = static_cast<駒型>(駒);
        点数 score;
        if (調査_駒成(x, y, dx, dy, 駒, c.成駒) == 0) {
            score = 評価(取駒, 駒, x, y, dx, dy);
            駒後 = 駒;
        } else if (移動後チェック(dy, 駒) == 0) {
            p.盤[dx][dy] = static_cast<駒型>(c.成駒);
            score = 評価(取駒, c.成駒, x, y, dx, dy);
            駒後 = c.成駒;
        } else {
            score = 評価(取駒, 駒, x, y, dx, dy);
            駒後 = 駒;
            p.盤[dx][dy] = static_cast<駒型>(c.成駒);
            const 点数 成り = 評価(取駒, c.成駒, x, y, dx, dy);
            if (成り > score) {
                score = 成り;
                駒後 = c.成駒;
            }
            if (駒 == 歩 || 駒 == 角 || 駒 == 飛) 駒後 = c.成駒;
        }
        p.盤[dx][dy] = static_cast<駒型>(取駒);
        p.盤[x][y] = static_cast<駒型>(駒);
        return score;
    }

    void 記録(点数 score, int x, int y, int dx, int dy, int 駒前, int 駒後) {
        const COM指し手 r{true, x, y, dx, dy, 駒前, 駒後, score};
        結果.手.push_back({探索の指し手を戻す(r, pos), score});
    }

    void 盤上手() {
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                if (p.盤[x][y] < 10) continue;
                for (int dx = 1; dx <= 9; ++dx)
                    for (int dy = 1; dy <= 9; ++dy) {
                        const int 駒 = p.盤[x][y];
                        if (移動チェック(p, x, y, dx, dy, 駒) != 1) continue;
                        int 駒後 = 駒;
                        const 点数 score = 盤上手の点(x, y, dx, dy, 駒後);
                        記録(score, x, y, dx, dy, 駒, 駒後);
                    }
            }
    }

    void 打ち手() {
        for (int k = 1; k <= 7; ++k) {
            if (p.COM持駒[k] <= 0) continue;
            const int 駒 = 持駒の駒(k);
            c.移動駒 = 駒;
            for (int dx = 1; dx <= 9; ++dx)
                for (int dy = 1; dy <= 9; ++dy) {
                    if (移動チェック(p, 敵持駒列, k, dx, dy, 駒) != 1) continue;
                    p.盤[dx][dy] = static_cast<駒型>(駒);
                    const 点数 score = 評価(0, 駒, 敵持駒列, k, dx, dy);
                    p.盤[dx][dy] = 0;
                    記録(score, 敵持駒列, k, dx, dy, 駒, 駒);
                }
        }
    }
};

}  // namespace

候補一覧 全候補(const USI局面& pos, int レベル) {
    列挙 e{pos, 上から見た局面(pos), レベル};
    勢力調査(e.p, e.m);  // as the search is started: surveyed once, then prepared
    COM思考準備(e.p, e.m, e.c);
    e.盤上手();
    if (e.c.COM持駒数前 > 0) e.打ち手();
    e.結果.評価回数 = e.c.評価回数;
    return std::move(e.結果);
}

std::vector<候補手> 上位の候補(const std::vector<候補手>& all, int n) {
    std::vector<候補手> best = all;
    std::stable_sort(best.begin(), best.end(),
                     [](const 候補手& a, const 候補手& b) { return a.点十倍 > b.点十倍; });
    if (best.size() > static_cast<std::size_t>(n)) best.resize(static_cast<std::size_t>(n));
    return best;
}

}  // namespace yukora
