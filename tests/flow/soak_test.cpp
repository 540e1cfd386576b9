// Seeded games of a random human against the computer, through the game's own events.
// A short run is part of the suite; YUKORA_SOAK_GAMES=n runs n games per level.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <vector>

#include "flow/flow_fakes.h"
#include "rules/making_move.h"
#include "rules/move_legality.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::手の合計;
using test::駒の総数;
using test::進行試験::試験台;

struct 候補 {
    int 元X, 元Y, 先X, 先Y, 駒;
};

// Every move the move test allows the bottom side, drops included.
std::vector<候補> 人の候補(局面 p) {
    調査_2歩フラグ設定(p);
    std::vector<候補> out;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (自駒か(p.盤[x][y]))
                for (int u = 1; u <= 9; ++u)
                    for (int v = 1; v <= 9; ++v)
                        if (移動チェック(p, x, y, u, v, p.盤[x][y]) == 1)
                            out.push_back({x, y, u, v, p.盤[x][y]});
    for (int k = 1; k <= 7; ++k) {
        if (p.MAN持駒[k] <= 0) continue;
        const int code = -持駒の駒(k);
        for (int u = 1; u <= 9; ++u)
            for (int v = 1; v <= 9; ++v)
                if (移動チェック(p, 自持駒列, k + 2, u, v, code) == 1)
                    out.push_back({自持駒列, k + 2, u, v, code});
    }
    return out;
}

bool 王がいる(const 局面& p, int king) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (p.盤[x][y] == king) return true;
    return false;
}

void 局面を確かめる(const 局面& p) {
    const int kings = 王がいる(p, 王) + 王がいる(p, -王);
    ASSERT_EQ(駒の総数(p), 38 + kings);
    ASSERT_EQ(p.MAN持駒数, 手の合計(p.MAN持駒));
    ASSERT_EQ(p.COM持駒数, 手の合計(p.COM持駒));
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            ASSERT_TRUE(p.盤[x][y] == 0 || 盤の駒コードか(p.盤[x][y])) << p.盤[x][y];
}

// The computer's move between two stored positions must be one the move test allows.
void コンピュータの手を確かめる(const 手順記録& before, const 局面& after) {
    局面 p;
    p.盤 = before.盤;
    p.MAN持駒 = before.MAN持駒;
    p.COM持駒 = before.COM持駒;
    調査_2歩フラグ設定(p);
    int 元X = 0, 元Y = 0, 先X = 0, 先Y = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (before.盤[x][y] == after.盤[x][y]) continue;
            if (after.盤[x][y] == 0) 元X = x, 元Y = y;
            else 先X = x, 先Y = y;
        }
    ASSERT_NE(先X, 0) << "the computer made no move";
    const int piece = after.盤[先X][先Y];
    ASSERT_GE(piece, 10);
    if (元X == 0) {  // a drop
        const int k = 持駒種類(piece);
        ASSERT_EQ(before.COM持駒[k] - 1, after.COM持駒[k]);
        ASSERT_EQ(移動チェック(p, 敵持駒列, k, 先X, 先Y, piece), 1);
        return;
    }
    const int moved = before.盤[元X][元Y];
    ASSERT_EQ(移動チェック(p, 元X, 元Y, 先X, 先Y, moved), 1);
    if (moved != piece) {
        int 成駒 = 0;
        ASSERT_EQ(調査_駒成(元X, 元Y, 先X, 先Y, moved, 成駒), 1);
        ASSERT_EQ(成駒, piece);
    }
}

struct 集計 {
    long 対局 = 0, 手 = 0;
};

void 一局(int level, unsigned seed, 集計& sum) {
    試験台 t;
    std::mt19937 rng(seed);
    t.game->LEVEL_Click(level);
    t.game->SENTE_Click();
    const 進行状態& s = t.st().進行;
    while (s.番.勝者 == 0 && s.数.手数 < 500) {
        const auto moves = 人の候補(t.st().盤面);
        ASSERT_FALSE(moves.empty());
        const 候補 m = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
        int 成駒 = 0;
        const bool 成れる = 調査_駒成(m.元X, m.元Y, m.先X, m.先Y, m.駒, 成駒) == 1;
        const bool 成る = 移動後チェック(m.先Y, m.駒) == 0 || (成れる && rng() % 2 == 0);
        const int before = s.数.手数;
        t.押す(m.元X, m.元Y);
        ASSERT_EQ(s.選択.選択状態, 1);
        t.押す(m.先X, m.先Y, 成る ? ボタン_右 : ボタン_左);
        ASSERT_GT(s.数.手数, before) << "the human's move was refused";
        局面を確かめる(t.st().盤面);
        if (s.数.手数 == before + 2)
            コンピュータの手を確かめる(t.st().手順.参照(s.数.手順番号 - 1), t.st().盤面);
        sum.手 += s.数.手数 - before;
    }
    ++sum.対局;
    // The move list steps back to the start.
    while (s.数.手順番号 > 0) t.game->REPLAY_Click();
    EXPECT_EQ(t.st().盤面.盤, test::初期局面().盤);
    EXPECT_EQ(s.数.手数, 0);
}

int 対局数() {
    const char* n = std::getenv("YUKORA_SOAK_GAMES");
    return n != nullptr ? std::max(1, std::atoi(n)) : 2;
}

struct レベル {
    int n;
};
void PrintTo(const レベル& l, std::ostream* os) { *os << "レベル" << l.n; }

class 耐久 : public ::testing::TestWithParam<レベル> {};

TEST_P(耐久, でたらめな人とコンピュータの対局) {
    集計 sum;
    const int games = 対局数();
    const auto start = std::chrono::steady_clock::now();
    for (int g = 0; g < games; ++g) {
        SCOPED_TRACE("game " + std::to_string(g));
        一局(GetParam().n, 1000u * GetParam().n + static_cast<unsigned>(g), sum);
        if (HasFatalFailure()) return;
    }
    EXPECT_EQ(sum.対局, games);
    RecordProperty("moves", std::to_string(sum.手));
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("level %d: %ld games, %ld moves, %.1f s, peak memory %ld MiB\n", GetParam().n,
                sum.対局, sum.手, seconds, usage.ru_maxrss / 1024);
}

INSTANTIATE_TEST_SUITE_P(各レベル, 耐久, ::testing::Values(レベル{1}, レベル{2}, レベル{3}));

}  // namespace
}  // namespace yukora
