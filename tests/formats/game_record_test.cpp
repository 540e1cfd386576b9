// The game of the move list as a record: which side is 先手, handicaps, a turned board, the
// clocks, a king taken, and the record back into the list.
#include "formats/game_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "computer/handicap.h"
#include "formats/csa_reader.h"
#include "formats/formats_support.h"
#include "formats/game_end.h"
#include "formats/record_move.h"
#include "game/board_view.h"
#include "game/position.h"
#include "rules/making_move.h"
#include "support/board_fixtures.h"
#include "support/real_game.h"

namespace yukora {
namespace {

using test::棋譜交換::SFEN;
using test::棋譜交換::行に;
using test::棋譜試験::並べた対局;
using test::棋譜試験::実戦を並べる;

const 棋譜見出し 見出し{"実戦", "甲", "乙"};

対局記録 実戦のCSA() {
    std::ifstream in(std::string(GAMES_DIR) + "/real-game-1.csa");
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    const 読込結果 r = CSAを読む(行に(text));
    EXPECT_FALSE(r.エラー);
    return r.記録;
}

// The moves without their times.
std::vector<記録の手> 手だけ(std::vector<記録の手> moves) {
    for (記録の手& m : moves) m.秒 = 0;
    return moves;
}

// One move as the board input makes it: the position stored first, no clocks.
void 指す(並べた対局& g, int 元X, int 元Y, int 先X, int 先Y) {
    手順保存(g.list, g.p, g.s.数, g.s.時間.MAN時間, g.s.時間.MAN時間, g.s.時間.COM時間,
             g.s.時間.COM時間);
    描画なし view;
    駒移動(g.p, g.s.番, view, 元X, 元Y, 先X, 先Y, g.p.盤[元X][元Y]);
    ++g.s.数.手順番号;
    ++g.s.数.手数;
    g.s.番.手番 = -g.s.番.手番;
}

並べた対局 新しい対局(int MAN番) {
    並べた対局 g;
    初期配置(g.p);
    g.s.番.MAN番 = MAN番;
    g.s.番.COM番 = -MAN番;
    g.s.番.手番 = 1;
    return g;
}

TEST(対局の記録, 実戦は手も時計もそのまま) {
    const 並べた対局 g = 実戦を並べる();
    const 読込結果 r = 対局を記録に(g.list, g.p, g.s, 見出し, "2024/01/02", 終局理由::投了);
    ASSERT_FALSE(r.エラー);
    EXPECT_EQ(手だけ(r.記録.手), 実戦のCSA().手);
    const std::vector<見出し項目> 期待 = {
        {"開始日時", "2024/01/02"}, {"棋戦", "実戦"}, {"先手", "甲"}, {"後手", "乙"}};
    EXPECT_EQ(r.記録.見出し, 期待);
    // Whole seconds per move add up to each clock's whole seconds; move 41 thought long.
    int 下 = 0, 上 = 0;
    for (size_t i = 0; i < r.記録.手.size(); ++i) (i % 2 == 0 ? 下 : 上) += r.記録.手[i].秒;
    EXPECT_EQ(下, static_cast<int>(std::floor(g.s.時間.MAN時間)));
    EXPECT_EQ(上, static_cast<int>(std::floor(g.s.時間.COM時間)));
    EXPECT_GE(r.記録.手[40].秒, 1500);
}

TEST(対局の記録, 戻した盤は最後の項目まで) {
    並べた対局 g = 実戦を並べる();
    g.s.数.手順番号 = 50;
    g.s.数.手数 = 50;
    const 読込結果 r = 対局を記録に(g.list, g.p, g.s, 見出し, "", 終局理由::中断);
    ASSERT_FALSE(r.エラー);
    EXPECT_EQ(r.記録.手.size(), 99u);  // the position after the last move was never stored
}

// The computer moving first from the top: the record turns the board so that 先手 is below.
TEST(対局の記録, 上の先手は下に回して書く) {
    並べた対局 g = 実戦を並べる();
    for (int i = 0; i <= g.s.数.手順最終; ++i) {
        局面 p;
        p.盤 = g.list.参照(i).盤;
        p.MAN持駒 = g.list.参照(i).MAN持駒;
        p.COM持駒 = g.list.参照(i).COM持駒;
        局面反転(p);
        手順記録& e = g.list.項目(i);
        e.盤 = p.盤;
        e.MAN持駒 = p.MAN持駒;
        e.COM持駒 = p.COM持駒;
        std::swap(e.MAN時間前, e.COM時間前);
        std::swap(e.MAN時間後, e.COM時間後);
    }
    局面反転(g.p);
    g.s.番.MAN番 = -1;
    g.s.番.COM番 = 1;
    const 読込結果 r = 対局を記録に(g.list, g.p, g.s, 見出し, "", 終局理由::中断);
    ASSERT_FALSE(r.エラー);
    EXPECT_EQ(SFEN(r.記録.開始), "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -");
    EXPECT_EQ(手だけ(r.記録.手), 実戦のCSA().手);
    EXPECT_EQ(先手の名前(r.記録), "甲");  // Text3 names the side whose value is 1: the top one here
    EXPECT_EQ(後手の名前(r.記録), "乙");
    EXPECT_GE(r.記録.手[40].秒, 1500);
}

struct 駒落ちの例 {
    int 段数;   // handicap steps: up for the computer's pieces, down for the human's
    int MAN番;  // 1: the bottom side moves first
    const char* 開始;
};
void PrintTo(const 駒落ちの例& c, std::ostream* os) {
    *os << "ハンデ" << c.段数 << (c.MAN番 == 1 ? "で下が先手" : "で上が先手");
}

const 駒落ちの例 駒落ちの例一覧[] = {
    {2, -1, "lnsgkgsnl/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w -"},
    {-2, 1, "lnsgkgsnl/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w -"},
    {2, 1, "lnsgkgsnl/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -"},
    {-9, -1, "3gk4/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -"},
};

class 駒落ちの記録 : public ::testing::TestWithParam<駒落ちの例> {};

// The side without its pieces is written on top, as 上手; the side to move follows the game.
TEST_P(駒落ちの記録, 落とした側が上) {
    const 駒落ちの例& c = GetParam();
    並べた対局 g = 新しい対局(c.MAN番);
    for (int i = 0; i < (c.段数 < 0 ? -c.段数 : c.段数); ++i)
        c.段数 > 0 ? ハンデ上げ(g.p, g.s) : ハンデ下げ(g.p, g.s);
    const bool 下から = c.MAN番 == 1;
    指す(g, 5, 下から ? 9 : 1, 5, 下から ? 8 : 2);  // the first mover's king steps forward
    const 読込結果 r = 対局を記録に(g.list, g.p, g.s, 見出し, "", 終局理由::中断);
    ASSERT_FALSE(r.エラー);
    EXPECT_EQ(SFEN(r.記録.開始), c.開始);
    ASSERT_EQ(r.記録.手.size(), 1u);
    EXPECT_EQ(r.記録.手[0].元X, 5);  // the king's file, 5 either way up
}

INSTANTIATE_TEST_SUITE_P(例, 駒落ちの記録, ::testing::ValuesIn(駒落ちの例一覧));

// After "反転" the list starts again; the side that moved first in the game stays 先手.
TEST(対局の記録, 反転した盤は初手の側から) {
    並べた対局 h = 新しい対局(1);
    const 対局記録 real = 実戦のCSA();
    記録局面 after3 = real.開始;
    for (int i = 0; i < 3; ++i) {
        const 記録の手& m = real.手[static_cast<size_t>(i)];
        指す(h, m.元X, m.元Y, m.先X, m.先Y);
        記録の手を指す(after3, m);
    }
    局面反転(h.p);
    h.s.番.手番 = -h.s.番.手番;
    h.s.数.手順番号 = 0;
    h.s.数.手順最終 = 0;
    for (int i = 3; i < 5; ++i) {  // moves 4 and 5 on the turned board
        const 記録の手& m = real.手[static_cast<size_t>(i)];
        指す(h, 10 - m.元X, 10 - m.元Y, 10 - m.先X, 10 - m.先Y);
    }
    const 読込結果 r = 対局を記録に(h.list, h.p, h.s, 見出し, "", 終局理由::中断);
    ASSERT_FALSE(r.エラー);
    EXPECT_EQ(SFEN(r.記録.開始), SFEN(after3));
    EXPECT_EQ(r.記録.開始.手番, 後手);
    EXPECT_EQ(手だけ(r.記録.手), std::vector<記録の手>(real.手.begin() + 3, real.手.begin() + 5));
}

// 王手 left alone and the king taken: the record ends before the capture, in 反則勝ち.
TEST(対局の記録, 王を取った手は書かず反則勝ち) {
    並べた対局 g;
    g.p = test::盤面("4k4/9/9/9/R8/9/9/9/4K4");
    g.s.番.MAN番 = 1;
    g.s.番.COM番 = -1;
    g.s.番.手番 = 1;
    指す(g, 1, 5, 5, 5);  // check along the file
    指す(g, 5, 1, 5, 2);  // the king stays on it
    指す(g, 5, 5, 5, 2);  // and is taken
    g.s.番.勝者 = g.s.番.MAN番;
    const 読込結果 r = 対局を記録に(g.list, g.p, g.s, 見出し, "", 終局を調べる(g.p, g.s));
    ASSERT_FALSE(r.エラー);
    EXPECT_EQ(r.記録.手.size(), 2u);
    EXPECT_EQ(r.記録.終局, 終局理由::反則勝ち);
}

TEST(対局の記録, 一手でつながらない項目で止まる) {
    並べた対局 g = 実戦を並べる();
    g.list.項目(30) = g.list.参照(10);
    const 読込結果 r = 対局を記録に(g.list, g.p, g.s, 見出し, "", 終局理由::中断);
    ASSERT_TRUE(r.エラー);
    EXPECT_EQ(r.エラー->手数, 30);
    EXPECT_EQ(r.記録.手.size(), 29u);
}

struct 終局の例 {
    const char* 名前;
    int 勝者;
    const char* 盤;
    終局理由 理由;
};

TEST(終局, 盤と勝者から) {
    const 終局の例 cases[] = {
        {"続いている", 0, "4k4/9/9/9/9/9/9/9/4K4", 終局理由::中断},
        {"頭金", 1, "4k4/4G4/4S4/9/9/9/9/9/4K4", 終局理由::詰み},
        {"逃げられる", 1, "4k4/4G4/9/9/9/9/9/9/4K4", 終局理由::投了},
        {"王がない", 1, "9/9/9/9/9/9/9/9/4K4", 終局理由::反則勝ち},
    };
    for (const 終局の例& c : cases) {
        SCOPED_TRACE(c.名前);
        進行状態 s;
        s.番.MAN番 = 1;
        s.番.COM番 = -1;
        s.番.勝者 = c.勝者;
        s.数.手順番号 = 5;
        s.数.手順最終 = 4;
        EXPECT_EQ(終局を調べる(test::盤面(c.盤), s), c.理由);
    }
}

// A record put into the list reads back the same, clocks included.
TEST(記録を手順に, 読み直すと同じ) {
    対局記録 real = 実戦のCSA();
    for (size_t i = 0; i < real.手.size(); ++i) real.手[i].秒 = static_cast<int>(i % 13) * 7;
    手順リスト list;
    const int n = 記録を手順に(real, list);
    ASSERT_EQ(n, 100);
    EXPECT_EQ(list.参照(0).盤, 実戦を並べる().list.参照(0).盤);
    // Moves 1..5 took 0, 7, 14, 21, 28 s. Entry 4 holds the clocks before and after move 5.
    EXPECT_EQ(list.参照(4).MAN時間前, 0 + 14);
    EXPECT_EQ(list.参照(4).MAN時間後, 0 + 14 + 28);
    EXPECT_EQ(list.参照(4).COM時間前, 7 + 21);
    EXPECT_EQ(list.参照(4).COM時間後, 7 + 21);
    並べた対局 g = 新しい対局(1);
    g.list = list;
    g.s.数.手順最終 = n;
    g.s.数.手順番号 = 0;
    g.s.数.手数 = 0;
    const 読込結果 back = 対局を記録に(g.list, g.p, g.s, 見出し, "", 終局理由::なし);
    ASSERT_FALSE(back.エラー);
    EXPECT_EQ(back.記録.手, real.手);
}

}  // namespace
}  // namespace yukora
