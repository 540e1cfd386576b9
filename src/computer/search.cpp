#include "computer/search.h"

#include <algorithm>
#include <cstdlib>

#include "computer/evaluation.h"
#include "computer/reach.h"
#include "computer/surveys.h"
#include "influence/survey.h"
#include "rules/making_move.h"
#include "rules/mate.h"
#include "rules/move_legality.h"

namespace yukora {
namespace {

// 全部: every candidate goes to 受け and none ends the search; else the best is kept.
template <bool 全部>
struct 探索 {
    局面& p;
    勢力地図& m;
    COM思考状態& c;
    int レベル;
    探索通知* 通知;
    候補の受け* 受け = nullptr;
    COM指し手 最善{};

    void 時計() {
        if (通知) 通知->時計更新();
    }

    点数 評価(int 取駒, int 置駒, int 元X, int 元Y, int 先X, int 先Y) {
        勢力調査(p, m);
        ++c.評価回数;
        return 盤評価(p, m, c, レベル, 取駒, 置駒, 元X, 元Y, 先X, 先Y);
    }

    // Scores one board move (both ways when promotion is optional); the board is restored.
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
            // Pawns, bishops and rooks are always played promoted.
            if (駒 == 歩 || 駒 == 角 || 駒 == 飛) 駒後 = c.成駒;
        }
        p.盤[dx][dy] = static_cast<駒型>(取駒);
        p.盤[x][y] = static_cast<駒型>(駒);
        return score;
    }

    // Keeps a candidate that beats the best so far; true when it ends the search (`決着`).
    bool 比べる(点数 score, int x, int y, int dx, int dy, int 駒前, int 駒後, bool 決着) {
        if constexpr (全部) {
            受け->候補({true, x, y, dx, dy, 駒前, 駒後, score});
            return false;
        } else {
            if (score <= c.最高点) return false;
            c.最高点 = score;
            最善 = {true, x, y, dx, dy, 駒前, 駒後, score};
            return 決着;
        }
    }

    // Returns true when a capture of the human king ended the search. The destinations are
    // taken in scan order; the move test is asked only where the piece's kind could go.
    bool 盤上手() {
        bool 王取り = false;
        for (int x = 1; x <= 9 && !王取り; ++x) {
            時計();
            for (int y = 1; y <= 9 && !王取り; ++y) {
                const int 駒 = p.盤[x][y];
                if (駒 < 10) continue;
                各桝(届く範囲(駒, x, y), [&](int dx, int dy) {
                    if (王取り || 移動チェック(p, x, y, dx, dy, 駒) != 1) return;
                    const int 取駒 = p.盤[dx][dy];
                    int 駒後 = 駒;
                    const 点数 score = 盤上手の点(x, y, dx, dy, 駒後);
                    if (比べる(score, x, y, dx, dy, 駒, 駒後, 取駒 == -王)) 王取り = true;
                });
            }
        }
        return 王取り;
    }

    void 打ち手() {
        const 桝集合 空き = 値の桝(p.盤, 0);
        for (int k = 1; k <= 7; ++k) {
            時計();
            if (p.COM持駒[k] <= 0) continue;
            const int 駒 = 持駒の駒(k);
            c.移動駒 = 駒;
            // A drop needs an empty square, and every drop leaves the board as it found it.
            bool 詰め = false;
            各桝(空き, [&](int dx, int dy) {
                if (詰め || 移動チェック(p, 敵持駒列, k, dx, dy, 駒) != 1) return;
                p.盤[dx][dy] = static_cast<駒型>(駒);
                const 点数 score = 評価(0, 駒, 敵持駒列, k, dx, dy);
                p.盤[dx][dy] = 0;
                if (比べる(score, 敵持駒列, k, dx, dy, 駒, 駒, score >= 詰め点)) 詰め = true;
            });
            if (詰め) return;
        }
    }
};

}  // namespace

void COM思考準備(局面& p, 勢力地図& m, COM思考状態& c) {
    c.最高点 = 探索開始点;
    c.評価回数 = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            c.盤保存[x][y] = p.盤[x][y];
            c.逃道印[x][y] = 0;
        }
    }
    調査_2歩フラグ設定(p);
    c.逃道数前 = 調査_自王逃道(p, m, c.逃道印);
    勢力調査(p, m);
    調査_持角狙座標(p, m, c);
    調査_移動不可駒(p, c);
    c.COM持駒数前 = p.COM持駒数;
    c.勢力MAN前 = m.勢力MAN;
    c.勢力COM前 = m.勢力COM;
    c.攻駒COM_X前 = m.攻駒COM_X;
    c.攻駒COM_Y前 = m.攻駒COM_Y;
}

COM指し手 COM探索(局面& p, 勢力地図& m, COM思考状態& c, 進行状態& s, 探索通知* 通知) {
    if (s.番.勝者 != 0) return {};
    COM思考準備(p, m, c);
    if (通知) 通知->準備完了();
    探索<false> t{p, m, c, s.強さ.レベル, 通知};
    if (!t.盤上手() && c.COM持駒数前 > 0) t.打ち手();
    return t.最善;
}

void COM全候補(局面& p, 勢力地図& m, COM思考状態& c, int レベル, 候補の受け& 受け) {
    COM思考準備(p, m, c);
    探索<true> t{p, m, c, レベル, nullptr, &受け};
    t.盤上手();
    if (c.COM持駒数前 > 0) t.打ち手();
}

}  // namespace yukora
