#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "display/display_fixture.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::表示試験::文字行;
using test::表示試験::絵行;
using test::表示試験::表示環境;
using test::表示試験::輪郭行;

// A hand stand drawn on its own: the pieces' pictures, their counts (shadow, then number) and
// how many calls match further filters.
struct 持駒台の例 {
    const char* 説明;
    bool 自分;  // the bottom side's stand
    int 背景;
    const char* 持駒;
    std::vector<std::string> 絵;
    std::vector<std::string> 文字;
    std::vector<std::pair<std::string, size_t>> 数;
};

void PrintTo(const 持駒台の例& c, std::ostream* os) { *os << c.説明; }

const 持駒台の例 持駒台の表[] = {
    {"歩三枚と飛車一枚",
     true,
     3,
     "3PR",
     {絵行("SITA_HU(0)", 7320, 2080), 絵行("SITA_SYA(0)", 7320, 6040)},
     {文字行(7947, 2278, 14, 0, "3"), 文字行(7890, 2212, 14, 12, "3"),
      文字行(7947, 6238, 14, 0, "1"), 文字行(7890, 6172, 14, 12, "1")},
     // Every slot starts as an empty square with the background beside it.
     {{"絵 KARA_MASU", 7}, {"絵 HAIKEI_TATAMI 7890", 7}}},
    {"飛車が一段目で歩が七段目",
     false,
     2,
     "2bl",
     {絵行("UE_KAKU(0)", 480, 1420), 絵行("UE_KYOU(0)", 480, 4060)},
     {文字行(1107, 1618, 14, 0, "2"), 文字行(1050, 1552, 14, 12, "2"),
      文字行(1107, 4258, 14, 0, "1"), 文字行(1050, 4192, 14, 12, "1")},
     // The left edge of the board is outlined again on every row.
     {{"輪郭 0 1620", 7}}},
};

class 描画持盤 : public testing::TestWithParam<持駒台の例> {};

TEST_P(描画持盤, 駒の絵と枚数) {
    const 持駒台の例& c = GetParam();
    表示環境 e;
    e.view.状態.背景画番号 = c.背景;
    e.p = test::盤面("9/9/9/9/9/9/9/9/9", c.持駒);
    if (c.自分) {
        e.view.描画_自持盤();
    } else {
        e.view.描画_敵持盤();
    }
    EXPECT_EQ(e.screen.絞込(c.自分 ? "絵 SITA" : "絵 UE"), c.絵);
    EXPECT_EQ(e.screen.絞込("文字"), c.文字);
    for (const auto& [filter, n] : c.数) EXPECT_EQ(e.screen.絞込(filter).size(), n) << filter;
}

INSTANTIATE_TEST_SUITE_P(表, 描画持盤, testing::ValuesIn(持駒台の表));

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
    e.p = test::盤面("9/9/9/9/4R4/9/9/9/9");
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
