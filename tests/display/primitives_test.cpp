#include <gtest/gtest.h>

#include <vector>

#include "display/display_fixture.h"
#include "display/pictures.h"

namespace yukora {
namespace {

using test::表示試験::文字行;
using test::表示試験::絵行;
using test::表示試験::表示環境;
using test::表示試験::輪郭行;

TEST(描画_桝輪郭, 桝11は1620と760から2190と1420まで) {
    表示環境 e;
    e.view.描画_桝輪郭(0, 1, 1);
    e.view.描画_桝輪郭(12, -1, 7);
    EXPECT_EQ(e.screen.呼出し, (std::vector<std::string>{輪郭行(0, 1620, 760, 2190, 1420),
                                                         輪郭行(12, 480, 4720, 1050, 5380)}));
}

TEST(描画_絵, コードが絵を選ぶ) {
    表示環境 e;
    e.view.描画_絵(0, 1, 1);
    e.view.描画_絵(-10, 1, 1);
    e.view.描画_絵(-801, 1, 1);
    e.view.描画_絵(950, 9, 9);
    e.view.描画_絵(1, 10.8, 0);
    e.view.描画_絵(2, -3, -2);
    e.view.描画_絵(6, 28, 17);
    EXPECT_EQ(e.screen.呼出し, (std::vector<std::string>{
                                   絵行("KARA_MASU", 1620, 760),
                                   絵行("SITA_HU(0)", 1620, 760),
                                   絵行("SITA_KAKU(1)", 1620, 760),
                                   絵行("UE_OU", 6180, 6040),
                                   絵行("YUKORASHOGI", 7206, 100),
                                   絵行("HAIKEI_MIDORI", -660, -1220),
                                   絵行("HAIKEI_RENGA", 17010, 11320),
                               }));
}

TEST(描画_絵, 表にないコードは何も描かない) {
    表示環境 e;
    for (int code : {7, 12, -1, 111, -111, 951, 9999}) e.view.描画_絵(code, 1, 1);
    EXPECT_TRUE(e.screen.呼出し.empty());
}

TEST(絵番号, 駒の絵はそれぞれ自分の駒コードで選ばれる) {
    for (int i = 0; i < 絵の数; ++i) {
        const auto& 絵 = 絵一覧[i];
        if (絵.駒 != 0) {
            EXPECT_EQ(絵番号(絵.駒), i) << 絵.名前;
        }
    }
    EXPECT_EQ(絵番号(0), 絵_空桝);
    EXPECT_EQ(絵番号(1), 絵_ロゴ);
    EXPECT_EQ(絵番号(3), 絵_背景 + 1);
    EXPECT_EQ(std::string(絵一覧[絵番号(3)].名前), "HAIKEI_TATAMI");
    EXPECT_EQ(std::string(絵一覧[絵番号(5)].名前), "HAIKEI_UCHU");
}

TEST(絵番号, 絵の大きさ) {
    EXPECT_EQ(絵一覧[絵番号(-900)].幅, 39);
    EXPECT_EQ(絵一覧[絵番号(-900)].高さ, 44);
    EXPECT_EQ(絵一覧[絵番号(4)].幅, 40);
    EXPECT_EQ(絵一覧[絵番号(4)].高さ, 45);
    EXPECT_EQ(絵一覧[絵_ロゴ].幅, 118);
    EXPECT_EQ(絵一覧[絵_ロゴ].高さ, 39);
}

TEST(描画_数値, 漢数字は一から九だけ) {
    表示環境 e;
    e.view.描画_数値(10.1, 1.3, 1, 14, 1, 12);
    e.view.描画_数値(10.1, 9.3, 9, 14, 1, 12);
    e.view.描画_数値(10.1, 1.3, 10, 14, 1, 12);
    e.view.描画_数値(10.1, 1.3, 0, 14, 1, 12);
    EXPECT_EQ(e.screen.呼出し, (std::vector<std::string>{文字行(6807, 958, 12, 14, "一"),
                                                         文字行(6807, 6238, 12, 14, "九")}));
}

TEST(描画_数値, 漢数字でなければそのまま印字する) {
    表示環境 e;
    e.view.描画_数値(0, 0, 10, 15, 0, 12);
    e.view.描画_数値(0, 0, -3, 15, 0, 12);
    e.view.描画_数値(-1.5, 0.1, "LEVEL", 15, 0, 10);
    e.view.描画_数値(-1.5, 0.1, "LEVEL", 15, 1, 10);
    EXPECT_EQ(e.screen.呼出し, (std::vector<std::string>{文字行(1050, 100, 12, 15, "10"),
                                                         文字行(1050, 100, 12, 15, "-3"),
                                                         文字行(195, 166, 10, 15, "LEVEL")}));
}

TEST(描画_文字列, 手目は9093と2372から) {
    表示環境 e;
    e.view.描画_文字列(13.9, 3.2, 99, 0, 10);
    EXPECT_EQ(e.screen.呼出し, (std::vector<std::string>{文字行(9093, 2372, 10, 0, "手目")}));
}

TEST(描画_文字列, ハンディキャップの表題と範囲外) {
    表示環境 e;
    e.view.描画_文字列(11, 1, -10, 15, 10);
    e.view.描画_文字列(11, 1, -2, 15, 10);
    e.view.描画_文字列(11, 1, 0, 15, 10);
    e.view.描画_文字列(11, 1, 10, 15, 10);
    e.view.描画_文字列(11, 1, 11, 15, 10);
    e.view.描画_文字列(11, 1, -11, 15, 10);
    e.view.描画_文字列(11, 1, 98, 15, 10);
    const int X = 1050 + 570 * 11 + 120, Y = 100 + 660 + 160;
    EXPECT_EQ(e.screen.呼出し, (std::vector<std::string>{
                                   文字行(X, Y, 10, 15, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"),
                                   文字行(X, Y, 10, 15, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"),
                                   文字行(X, Y, 10, 15, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"),
                                   文字行(X, Y, 10, 15, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"),
                               }));
}

}  // namespace
}  // namespace yukora
