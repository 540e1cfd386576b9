#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "display/display_fixture.h"
#include "rules/initial_setup.h"
#include "support/fake_board_view.h"

namespace yukora {
namespace {

using test::表示試験::文字行;
using test::表示試験::絵行;
using test::表示試験::表示環境;
using test::表示試験::輪郭行;

struct 手数の置き場所 {
    int n;
    int 影X, 数X;
};

TEST(描画_手数, 桁が増えるごとに左へずれる) {
    for (const auto& c : {手数の置き場所{9, 8631, 8574}, 手数の置き場所{10, 8574, 8517},
                          手数の置き場所{99, 8574, 8517}, 手数の置き場所{100, 8517, 8460}}) {
        表示環境 e;
        e.view.状態.背景画番号 = 3;
        e.view.描画_手数(c.n);
        const std::string 数 = std::to_string(c.n);
        EXPECT_EQ(e.screen.呼出し,
                  (std::vector<std::string>{
                      絵行("HAIKEI_TATAMI", 8460, 2080), 絵行("HAIKEI_TATAMI", 9030, 2080),
                      輪郭行(0, 7320, 2080, 7890, 2740), 文字行(c.影X, 2344, 12, 0, 数),
                      文字行(c.数X, 2278, 12, 15, 数), 文字行(9093, 2372, 10, 0, "手目"),
                      文字行(9036, 2306, 10, 15, "手目")}))
            << c.n;
    }
}

TEST(画面_再描画, 背景から始まりロゴで終わる) {
    表示環境 e;
    e.view.状態.背景画番号 = 4;
    e.view.画面_再描画();
    const auto& calls = e.screen.呼出し;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), 絵行("HAIKEI_TAKE", -660, -1220));
    EXPECT_EQ(calls.back(), 絵行("YUKORASHOGI", 7206, 100));
    // The window font turns bold before the first text.
    const auto 太字 = std::find(calls.begin(), calls.end(), "太字 1");
    const auto 最初の文字 = std::find_if(
        calls.begin(), calls.end(), [](const std::string& c) { return c.starts_with("文字"); });
    EXPECT_LT(太字, 最初の文字);
}

TEST(描画_背景, 盤の外の桝だけを敷き詰める) {
    表示環境 e;
    e.view.描画_背景(5);
    const auto& calls = e.screen.呼出し;
    EXPECT_EQ(calls.size(), 32u * 20u - 81u);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), 絵行("HAIKEI_UCHU", 1620, 760)), 0);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), 絵行("HAIKEI_UCHU", 1050, 760)), 1);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), 絵行("HAIKEI_UCHU", 6750, 6700)), 1);
    EXPECT_EQ(calls.back(), 絵行("HAIKEI_UCHU", 17010, 11320));
}

TEST(画面_再描画, 背景画番号が0なら空桝で敷き詰める) {
    表示環境 e;
    e.view.描画_背景(e.view.状態.背景画番号);
    EXPECT_EQ(e.screen.絞込("絵 KARA_MASU").size(), 32u * 20u - 81u);
}

TEST(画面_再描画, 初期局面の駒と座標) {
    表示環境 e;
    test::記録するタイマー timer;
    e.view.状態.背景画番号 = 2;
    初期設定(e.p, e.s, timer, e.view);
    const auto& calls = e.screen.呼出し;
    auto 含む = [&](const std::string& c) {
        return std::find(calls.begin(), calls.end(), c) != calls.end();
    };
    EXPECT_TRUE(含む(絵行("SITA_OU", 3900, 6040)));
    EXPECT_TRUE(含む(絵行("UE_OU", 3900, 760)));
    EXPECT_TRUE(含む(絵行("SITA_SYA(0)", 5610, 5380)));
    EXPECT_TRUE(含む(絵行("UE_KAKU(0)", 5610, 1420)));
    EXPECT_TRUE(含む(絵行("UE_HU(0)", 1620, 2080)));
    // Column numbers 9..1 above the board, row kanji right of it, shadow first.
    EXPECT_TRUE(含む(文字行(1734, 430, 16, 0, "9")));
    EXPECT_TRUE(含む(文字行(1677, 364, 16, 14, "9")));
    EXPECT_TRUE(含む(文字行(6237, 364, 16, 14, "1")));
    EXPECT_TRUE(含む(文字行(6864, 1024, 12, 0, "一")));
    EXPECT_TRUE(含む(文字行(6807, 958, 12, 14, "一")));
    EXPECT_TRUE(含む(文字行(6807, 6238, 12, 14, "九")));
    // The board, the bottom hand twice (once after the coordinates), the top hand and the
    // board edge beside it.
    EXPECT_EQ(e.screen.絞込("輪郭 0").size(), 81u + 7 + 7 + 7 + 7);
}

TEST(画面_再描画, 時計とレベルは付随が描く) {
    表示環境 e;
    test::表示試験::記録する付随 extras;
    e.view.付随設定(&extras);
    e.s.時間.COM時間 = 65;
    e.s.時間.MAN時間 = 3725;
    e.view.画面_再描画();
    EXPECT_EQ(extras.呼出し, (std::vector<std::string>{"所有時間 1 65", "所有時間 -1 3725"}));
    extras.呼出し.clear();
    e.s.番.対局モード = 1;
    e.s.強さ.ハンデ設定済 = 1;
    e.s.強さ.ハンデレベル = -4;
    e.view.画面_再描画();
    EXPECT_EQ(extras.呼出し, (std::vector<std::string>{"所有時間 1 65", "所有時間 -1 3725",
                                                       "レベル 3", "ハンデレベル -4"}));
}

TEST(消去_思考中, 左の三桝を戻して輪郭を引き直す) {
    表示環境 e;
    e.view.状態.背景画番号 = 6;
    e.view.消去_思考中();
    EXPECT_EQ(e.screen.呼出し,
              (std::vector<std::string>{
                  絵行("HAIKEI_RENGA", -90, 5380), 絵行("HAIKEI_RENGA", 480, 5380),
                  絵行("HAIKEI_RENGA", 1050, 5380), 輪郭行(0, 480, 4720, 1050, 5380),
                  輪郭行(0, 1620, 5380, 2190, 6040)}));
}

TEST(描画_棋譜読込み部分消去, 盤の下の行を消して九段目の輪郭を戻す) {
    表示環境 e;
    e.view.状態.背景画番号 = 2;
    e.view.描画_棋譜読込み部分消去();
    const auto& calls = e.screen.呼出し;
    auto 含む = [&](const std::string& c) {
        return std::find(calls.begin(), calls.end(), c) != calls.end();
    };
    EXPECT_TRUE(含む("太字 1"));
    EXPECT_TRUE(含む(絵行("HAIKEI_MIDORI", 480, 6700)));
    EXPECT_TRUE(含む(絵行("HAIKEI_MIDORI", 1050, 6700)));
    EXPECT_TRUE(含む(絵行("HAIKEI_MIDORI", 6180, 6700)));
    // The band reaches a long title's start and a long name's end beyond the board.
    EXPECT_TRUE(含む(絵行("HAIKEI_MIDORI", -90, 6700)));
    EXPECT_TRUE(含む(絵行("HAIKEI_MIDORI", 6750, 6700)));
    EXPECT_TRUE(含む(絵行("HAIKEI_MIDORI", 17010, 6700)));
    // Row 9's outlines come back, and the bottom hand's rook slot that the band touches.
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2], 輪郭行(0, 6180, 6040, 6750, 6700));
    EXPECT_EQ(calls.back(), 輪郭行(0, 7320, 6040, 7890, 6700));
    // The coordinates are redrawn and the bottom hand with them.
    EXPECT_TRUE(含む(文字行(1677, 364, 16, 14, "9")));
    EXPECT_EQ(e.screen.絞込("絵 KARA_MASU").size(), 7u);
}

}  // namespace
}  // namespace yukora
