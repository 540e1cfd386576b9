#include <gtest/gtest.h>

#include <vector>

#include "display/display_fixture.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::表示試験::文字行;
using test::表示試験::絵行;
using test::表示試験::表示環境;
using test::表示試験::輪郭行;

TEST(描画_自持盤, 歩三枚と飛車一枚) {
    表示環境 e;
    e.view.状態.背景画番号 = 3;
    e.p.MAN持駒[持駒_歩] = 3;
    e.p.MAN持駒[持駒_飛] = 1;
    e.view.描画_自持盤();
    EXPECT_EQ(e.screen.絞込("絵 SITA"),
              (std::vector<std::string>{絵行("SITA_HU(0)", 7320, 2080),
                                        絵行("SITA_SYA(0)", 7320, 6040)}));
    EXPECT_EQ(e.screen.絞込("文字"),
              (std::vector<std::string>{
                  文字行(7947, 2278, 14, 0, "3"), 文字行(7890, 2212, 14, 12, "3"),
                  文字行(7947, 6238, 14, 0, "1"), 文字行(7890, 6172, 14, 12, "1")}));
    // Every slot starts as an empty square with the background beside it.
    EXPECT_EQ(e.screen.絞込("絵 KARA_MASU").size(), 7u);
    EXPECT_EQ(e.screen.絞込("絵 HAIKEI_TATAMI 7890").size(), 7u);
}

TEST(描画_敵持盤, 飛車が一段目で歩が七段目) {
    表示環境 e;
    e.view.状態.背景画番号 = 2;
    e.p.COM持駒[持駒_角] = 2;
    e.p.COM持駒[持駒_香] = 1;
    e.view.描画_敵持盤();
    EXPECT_EQ(e.screen.絞込("絵 UE"), (std::vector<std::string>{絵行("UE_KAKU(0)", 480, 1420),
                                                                絵行("UE_KYOU(0)", 480, 4060)}));
    EXPECT_EQ(e.screen.絞込("文字"),
              (std::vector<std::string>{
                  文字行(1107, 1618, 14, 0, "2"), 文字行(1050, 1552, 14, 12, "2"),
                  文字行(1107, 4258, 14, 0, "1"), 文字行(1050, 4192, 14, 12, "1")}));
    // The left edge of the board is outlined again on every row.
    EXPECT_EQ(e.screen.絞込("輪郭 0 1620").size(), 7u);
}

TEST(描画_盤, 八十一桝に駒と黒い輪郭) {
    表示環境 e;
    e.p = test::初期局面();
    e.view.描画_盤();
    EXPECT_EQ(e.screen.呼出し.size(), 162u);
    EXPECT_EQ(e.screen.呼出し[0], 絵行("UE_KYOU(0)", 1620, 760));
    EXPECT_EQ(e.screen.呼出し[1], 輪郭行(0, 1620, 760, 2190, 1420));
    EXPECT_EQ(e.screen.絞込("絵 KARA_MASU").size(), 81u - 40u);
}

TEST(描画_移動可能桝色, 移動指導が切なら黒い輪郭だけ) {
    表示環境 e;
    e.p = test::初期局面();
    e.view.描画_移動可能桝色(3, 7, 15, -歩, 0);
    EXPECT_EQ(e.screen.呼出し.size(), 81u);
    EXPECT_EQ(e.screen.絞込("輪郭 0").size(), 81u);
}

TEST(描画_移動可能桝色, 移動指導が入なら行ける桝に色) {
    表示環境 e;
    e.p = test::初期局面();
    e.view.描画_移動可能桝色(3, 7, 15, -歩, 1);
    EXPECT_EQ(e.screen.絞込("輪郭 15"),
              (std::vector<std::string>{輪郭行(15, 2760, 4060, 3330, 4720)}));
    e.screen.消去();
    e.p = test::局面を作る({{5, 5, -飛}});
    e.view.描画_移動可能桝色(5, 5, 2, -飛, 1);
    EXPECT_EQ(e.screen.絞込("輪郭 2").size(), 16u);
    EXPECT_EQ(e.screen.絞込("輪郭 0").size(), 81u);
}

TEST(描画_駒点滅, 空桝と駒を交互に見せて待つ) {
    表示環境 e;
    e.view.描画_駒点滅(-歩, 3, 7, 2);
    const std::vector<std::string> 一回{
        絵行("KARA_MASU", 2760, 4720),  輪郭行(0, 2760, 4720, 3330, 5380), "表示",
        絵行("SITA_HU(0)", 2760, 4720), 輪郭行(0, 2760, 4720, 3330, 5380), "表示"};
    std::vector<std::string> 二回 = 一回;
    二回.insert(二回.end(), 一回.begin(), 一回.end());
    EXPECT_EQ(e.screen.呼出し, 二回);
    // Four waits of 0.2 s each on a clock that moves 0.01 s per reading.
    EXPECT_GE(e.clock.今 - 1000.0f, 0.8f);
    EXPECT_LT(e.clock.今 - 1000.0f, 0.9f);
}

TEST(描画_駒点滅, 真夜中をまたいでも待ちは終わる) {
    表示環境 e;
    e.clock.今 = 86399.9f;
    e.clock.刻み = 0.05f;
    e.view.描画_駒点滅(10, 5, 5, 1);
    EXPECT_LT(e.clock.読んだ回数, 20);
    EXPECT_EQ(e.screen.絞込("表示").size(), 2u);
}

}  // namespace
}  // namespace yukora
