// The danger squares and the pinned-piece marks against the straightforward versions they
// replaced: every candidate of the computer (board moves both ways where promotion is free, and
// drops) in every position of the recorded game and in random positions with both hands full.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "computer/danger_squares.h"
#include "computer/fixtures.h"
#include "computer/reach.h"
#include "computer/reference_danger_squares.h"
#include "computer/search.h"
#include "computer/surveys.h"
#include "influence/survey.h"
#include "rules/making_move.h"
#include "rules/move_legality.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

struct 比較 {
    int 候補 = 0;
    std::string 違い;

    void 候補を比べる(const 局面& before, const 勢力地図& m0, const COM思考状態& c, int 元X,
                      int 元Y, int 先X, int 先Y, int 置駒) {
        局面 p = before;
        if (元X >= 1) p.盤[元X][元Y] = 0;
        p.盤[先X][先Y] = static_cast<駒型>(置駒);
        勢力地図 m = m0;
        勢力調査(p, m);
        局面 q = p;
        const 点数 新 = 盤評価_COM危険座標(p, m, c, 置駒, 先X, 先Y);
        const 点数 旧 = 参照::盤評価_COM危険座標(q, m, c, 置駒, 先X, 先Y);
        ++候補;
        if (新 != 旧 && 違い.empty())
            違い = "(" + std::to_string(元X) + "," + std::to_string(元Y) + ")->(" +
                   std::to_string(先X) + "," + std::to_string(先Y) + ") " + std::to_string(置駒) +
                   ": " + std::to_string(新) + " vs " + std::to_string(旧);
    }

    // Every candidate the search would score, with the turn prepared as the search prepares it.
    void 局面を比べる(const 局面& start) {
        局面 p = start;
        勢力地図 m;
        勢力調査(p, m);
        COM思考状態 c;
        COM思考準備(p, m, c);
        局面 q = p;  // surveyed: the king squares as the search has them
        COM思考状態 旧c = c;
        参照::調査_移動不可駒(q, 旧c);
        if (旧c.MAN移動不可 != c.MAN移動不可 || 旧c.COM移動不可有 != c.COM移動不可有)
            違い = "pinned pieces differ";
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int 駒 = p.盤[x][y];
                if (駒 < 10) continue;
                for (int u = 1; u <= 9; ++u)
                    for (int v = 1; v <= 9; ++v) {
                        if (移動チェック(p, x, y, u, v, 駒) != 1) continue;
                        int 成駒 = 0;
                        const bool 成れる = 調査_駒成(x, y, u, v, 駒, 成駒) == 1;
                        if (!成れる || 移動後チェック(v, 駒) == 1)
                            候補を比べる(p, m, c, x, y, u, v, 駒);
                        if (成れる) 候補を比べる(p, m, c, x, y, u, v, 成駒);
                    }
            }
        for (int k = 1; k <= 7; ++k) {
            if (p.COM持駒[k] <= 0) continue;
            for (int u = 1; u <= 9; ++u)
                for (int v = 1; v <= 9; ++v)
                    if (移動チェック(p, 敵持駒列, k, u, v, 持駒の駒(k)) == 1)
                        候補を比べる(p, m, c, 敵持駒列, k, u, v, 持駒の駒(k));
        }
    }
};

TEST(危険座標の同値, 棋譜の全局面の全候補で前の実装と同じ点) {
    比較 t;
    局面 p = test::初期局面();
    for (const std::string& line : test::CSA棋譜(GAMES_DIR "/real-game-1.csa")) {
        const test::CSA指し手 mv = test::CSAを読む(line);
        if (mv.打ち) {
            test::持たせる(p, mv.駒 > 0, mv.手駒種類, -1);
        } else {
            if (const int 取 = p.盤[mv.先X][mv.先Y]; 取 != 0 && 取 != 王 && 取 != -王)
                test::持たせる(p, 取 < 0, 持駒種類(取), 1);
            p.盤[mv.元X][mv.元Y] = 0;
        }
        p.盤[mv.先X][mv.先Y] = static_cast<駒型>(mv.駒);
        t.局面を比べる(p);
        ASSERT_EQ(t.違い, "") << "after " << line;
    }
    EXPECT_GT(t.候補, 5000);
}

// Both kings somewhere, any other pieces anywhere, and a few pieces in both hands.
局面 乱数の局面(std::mt19937& rng) {
    static constexpr int codes[] = {歩, 歩,   歩, と, 香,   香成, 桂,  桂成,
                                    銀, 銀成, 金, 角, 角成, 飛,   飛成};
    std::uniform_int_distribution<int> sq(1, 9), pick(0, static_cast<int>(std::size(codes)) - 1);
    const double density = std::uniform_real_distribution<double>(0.15, 0.6)(rng);
    局面 p = test::王だけの局面(sq(rng), sq(rng), sq(rng), sq(rng));
    if (p.盤[p.MAN王X][p.MAN王Y] != -王) return 乱数の局面(rng);  // both kings on one square
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (p.盤[x][y] == 0 && std::uniform_real_distribution<double>(0, 1)(rng) < density) {
                const int c = codes[pick(rng)];
                p.盤[x][y] = static_cast<駒型>(rng() % 2 ? c : -c);
            }
    for (int k = 1; k <= 7; ++k) {
        test::持たせる(p, true, k, static_cast<int>(rng() % 3));
        test::持たせる(p, false, k, static_cast<int>(rng() % 3));
    }
    return p;
}

TEST(危険座標の同値, 乱数の局面の全候補で前の実装と同じ点) {
    std::mt19937 rng(2024);
    比較 t;
    for (int i = 0; i < 120; ++i) {
        t.局面を比べる(乱数の局面(rng));
        ASSERT_EQ(t.違い, "") << "position " << i;
    }
    EXPECT_GT(t.候補, 20000);
}

// The safe destinations counted over the whole board, as first written.
int 全桝の移動可場所数(const 局面& p, const 勢力地図& m, int x, int y, int 駒) {
    const 盤型& 相手 = 駒 >= 10 ? m.勢力MAN : m.勢力COM;
    int n = 0;
    for (int i = 1; i <= 9; ++i)
        for (int j = 1; j <= 9; ++j)
            if (相手[i][j] == 0 && 移動チェック(p, x, y, i, j, 駒) == 1) ++n;
    return n;
}

// The destinations scanned by kind hold every move the move test allows, so both counts of
// safe squares and the search's list of moves come out the same.
TEST(危険座標の同値, 駒の届く範囲に許される手がすべて入り移動可場所数も同じ) {
    std::mt19937 rng(7);
    int 数えた = 0;
    for (int i = 0; i < 200; ++i) {
        局面 p = 乱数の局面(rng);
        勢力地図 m;
        勢力調査(p, m);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                for (int 駒 : {static_cast<int>(p.盤[x][y]), 歩, -桂, 香, -角成, 飛成, 王, 金成}) {
                    const 桝集合 範囲 = 届く範囲(駒, x, y);
                    for (int u = 1; u <= 9; ++u) {
                        for (int v = 1; v <= 9; ++v) {
                            if (移動チェック(p, x, y, u, v, 駒) != 1) continue;
                            ASSERT_FALSE((範囲 & 四角(u, u, v, v)).空か())
                                << 駒 << " (" << x << "," << y << ")->(" << u << "," << v << ")";
                        }
                    }
                    ASSERT_EQ(調査_移動可場所数(p, m, x, y, 駒), 全桝の移動可場所数(p, m, x, y, 駒))
                        << "position " << i << " (" << x << "," << y << ") " << 駒;
                    ++数えた;
                }
    }
    EXPECT_EQ(数えた, 200 * 81 * 8);
}

}  // namespace
}  // namespace yukora
