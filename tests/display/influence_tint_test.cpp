// The influence display: the tint chosen from the counts, and the board kept in step with it.
#include "display/influence_tint.h"

#include <gtest/gtest.h>

#include "display/display_fixture.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::表示試験::表示環境;
using test::表示試験::輪郭行;

TEST(勢力の地色, 強い側の色で差の分だけ濃く) {
    struct 例 {
        int 下, 上;
        勢力地色 want;
    };
    const 例 cases[] = {
        {0, 0, {0, 0, 0, 0}},       {1, 0, {地色_下, 1, 1, 0}}, {0, 2, {地色_上, 2, 0, 2}},
        {2, 2, {0, 0, 2, 2}},       {3, 1, {地色_下, 2, 3, 1}}, {5, 1, {地色_下, 3, 5, 1}},
        {1, 7, {地色_上, 3, 1, 7}}, {4, 5, {地色_上, 1, 4, 5}},
    };
    for (const 例& c : cases) EXPECT_EQ(勢力の地色(c.下, c.上), c.want) << c.下 << " " << c.上;
}

// The starting position, from the counts of its survey: rows 6..9 reached by the bottom side
// only, rows 1..4 the same turned round for the top side, row 5 by nobody.
地色表 初期局面の地色() {
    const int 下[10][10] = {
        // [y][x]
        {},
        {},
        {},
        {},
        {},
        {},
        {0, 1, 1, 1, 1, 1, 1, 1, 1, 1},
        {0, 3, 0, 2, 0, 0, 0, 1, 1, 2},
        {0, 1, 2, 3, 4, 4, 4, 3, 1, 2},
        {0, 1, 0, 2, 1, 2, 1, 1, 1, 0},
    };
    地色表 t{};
    for (int y = 6; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) {
            const int n = 下[y][x];
            if (n == 0) continue;
            t[x][y] = {地色_下, n < 3 ? n : 3, n, 0};
            t[10 - x][10 - y] = {地色_上, n < 3 ? n : 3, 0, n};
        }
    return t;
}

TEST(局面の地色表, 初期局面は六段目から下が下手の色で上は上手の色) {
    const 局面 p = test::初期局面();
    EXPECT_EQ(局面の地色表(p), 初期局面の地色());
}

TEST(勢力地色を合わせる, 盤の桝だけを地色と数で描き直す) {
    表示環境 e;
    e.p = test::初期局面();
    e.view.勢力地色を合わせる(true);
    EXPECT_EQ(e.screen.盤の地色(), 初期局面の地色());
    EXPECT_EQ(e.view.地色(), 初期局面の地色());
    // 9七: the bottom pawn, three bottom pieces reach it; the count over a black shadow.
    const int X = 1050 + 570, Y = 100 + 660 * 7;
    const auto calls = e.screen.呼出し;
    const auto at =
        std::find(calls.begin(), calls.end(),
                  "地色絵 SITA_HU(0) " + std::to_string(X) + " " + std::to_string(Y) + " 9 3");
    ASSERT_NE(at, calls.end());
    EXPECT_EQ(*(at + 1), test::表示試験::文字行(X + 45 + 15, Y + 485 + 15, 7, 0, "3"));
    EXPECT_EQ(*(at + 2), test::表示試験::文字行(X + 45, Y + 485, 7, 15, "3"));
    EXPECT_EQ(*(at + 3), 輪郭行(0, X, Y, X + 570, Y + 660));
    // Row 5 and six squares on each side are reached by nobody and stay as they were; so do
    // the hand stands.
    EXPECT_EQ(e.screen.絞込("地色絵").size() + e.screen.絞込("絵").size(), 60u);
    e.screen.消去();
    e.view.描画_自持盤();
    EXPECT_TRUE(e.screen.絞込("地色絵").empty());
    e.screen.消去();
    e.view.勢力地色を合わせる(true);
    EXPECT_TRUE(e.screen.呼出し.empty());
}

TEST(勢力地色を合わせる, 色のついた枠は描き直した後に戻す) {
    表示環境 e;
    e.p = test::初期局面();
    e.view.描画_桝輪郭(12, 3, 7);   // a selected pawn
    e.view.描画_桝輪郭(15, 11, 3);  // a hand slot
    e.view.描画_桝輪郭(15, 5, 5);   // a square nobody reaches
    e.view.勢力地色を合わせる(true);
    const auto outlines = e.screen.絞込("輪郭");
    ASSERT_GE(outlines.size(), 3u);
    const std::vector<std::string> last(outlines.end() - 3, outlines.end());
    EXPECT_EQ(last, (std::vector<std::string>{輪郭行(12, 2760, 4720, 3330, 5380),
                                              輪郭行(15, 3900, 3400, 4470, 4060),
                                              輪郭行(15, 7320, 2080, 7890, 2740)}));
    EXPECT_EQ(e.view.輪郭色(3, 7), 12);
    e.view.描画_絵(-歩, 3, 7);  // a picture covers the outline
    EXPECT_EQ(e.view.輪郭色(3, 7), 0);
}

TEST(勢力地色を合わせる, 切れば地色のあった桝を素の絵に戻す) {
    表示環境 e;
    e.p = test::初期局面();
    e.view.勢力地色を合わせる(true);
    e.screen.消去();
    e.view.勢力地色を合わせる(false);
    EXPECT_EQ(e.screen.絞込("絵").size(), 60u);
    EXPECT_TRUE(e.screen.絞込("地色絵").empty());
    EXPECT_TRUE(e.screen.絞込("文字").empty());
    EXPECT_EQ(e.view.地色(), 地色表{});
}

TEST(勢力地色を合わせる, 動いた駒の桝は今の地色で描かれる) {
    表示環境 e;
    e.p = test::初期局面();
    e.view.勢力地色を合わせる(true);
    e.p.盤[3][7] = 0;  // 7六歩, drawn as the rules draw a move
    e.p.盤[3][6] = -歩;
    e.view.描画_絵(0, 3, 7);
    e.view.描画_絵(-歩, 3, 6);
    e.view.勢力地色を合わせる(true);
    EXPECT_EQ(e.screen.盤の地色(), 局面の地色表(e.p));
    EXPECT_NE(局面の地色表(e.p), 初期局面の地色());
}

}  // namespace
}  // namespace yukora
