// The encoding of a record file found from its bytes, and its numerals and piece names.
#include "formats/record_text.h"

#include <gtest/gtest.h>

#include "formats/kif_notation.h"
#include "game/pieces.h"

namespace yukora {
namespace {

struct 文字コードの例 {
    const char* 名前;
    std::string bytes;
    文字コード 元;
    std::vector<int> 置き換えた行;
    size_t 行数;
    const char* 最初の行;
    const char* 最後の行;
};
void PrintTo(const 文字コードの例& c, std::ostream* os) { *os << c.名前; }

const 文字コードの例 文字コードの例一覧[] = {
    {"UTF-8", "手合割：平手\r\n先手：甲\r\n", 文字コード::UTF8, {}, 2, "手合割：平手", "先手：甲"},
    {"印つきUTF-8",
     "\xEF\xBB\xBF手合割：平手\n",
     文字コード::UTF8,
     {},
     1,
     "手合割：平手",
     "手合割：平手"},
    {"UTF-8の中のShift-JISの行",
     "\xEF\xBB\xBF先手：甲\n\x82\xA0\n",
     文字コード::UTF8,
     {},
     2,
     "先手：甲",
     "あ"},
    {"Shift-JIS",
     "\x8E\xE8\x8D\x87\x8A\x84\x81\x46\x95\xBD\x8E\xE8\r\n",
     文字コード::SJIS,
     {},
     1,
     "手合割：平手",
     "手合割：平手"},
    {"どちらでもない行も残す",
     "\x82\xA0\r\n\x81\r\n\x82\xA0\r\n",
     文字コード::SJIS,
     {2},
     3,
     "あ",
     "あ"},
    {"EUC-JPの名前",
     "先手：甲\n後手：\xC0\xFE\n",
     文字コード::UTF8,
     {2},
     2,
     "先手：甲",
     "後手：\uFFFD\uFFFD"},
    {"CRの重なる行末",
     "手合割：香落ち\r\r\n先手：甲\r\n",
     文字コード::UTF8,
     {},
     2,
     "手合割：香落ち",
     "先手：甲"},
    {"CRだけの行末", "V2.2\r+7776FU\r-3334FU\r", 文字コード::UTF8, {}, 3, "V2.2", "-3334FU"},
    {"最後の行に改行がない", "+7776FU\n-3334FU", 文字コード::UTF8, {}, 2, "+7776FU", "-3334FU"},
};

class 文字コード判定 : public ::testing::TestWithParam<文字コードの例> {};

TEST_P(文字コード判定, バイト列から) {
    const 文字コードの例& c = GetParam();
    SCOPED_TRACE(c.名前);
    const 棋譜テキスト t = 棋譜テキストを読む(c.bytes);
    EXPECT_EQ(t.元, c.元);
    EXPECT_EQ(t.置き換えた行, c.置き換えた行);
    ASSERT_EQ(t.行.size(), c.行数);
    EXPECT_EQ(t.行.front(), c.最初の行);
    EXPECT_EQ(t.行.back(), c.最後の行);
}

INSTANTIATE_TEST_SUITE_P(例, 文字コード判定, ::testing::ValuesIn(文字コードの例一覧));

TEST(文字コード判定, 書くときはCRLFでShift_JISにない字は断る) {
    EXPECT_EQ(棋譜テキストを書く({"先手：甲", "V2.2"}, 文字コード::SJIS),
              "\x90\xE6\x8E\xE8\x81\x46\x8D\x62\r\nV2.2\r\n");
    EXPECT_EQ(棋譜テキストを書く({"先手：甲"}, 文字コード::UTF8), "先手：甲\r\n");
    EXPECT_FALSE(棋譜テキストを書く({"先手：𠮷"}, 文字コード::SJIS));
}

TEST(棋譜の言葉, 数と駒の名) {
    EXPECT_EQ(漢数字(1), U"一");
    EXPECT_EQ(漢数字(10), U"十");
    EXPECT_EQ(漢数字(18), U"十八");
    for (int n = 1; n <= 18; ++n) EXPECT_EQ(数の値(漢数字(n)), n);
    EXPECT_EQ(数の値(U"12"), 12);
    EXPECT_EQ(数の値(U"十九"), 0);
    EXPECT_EQ(段の値(U'九'), 9);
    EXPECT_EQ(筋の値(U'７'), 7);
    EXPECT_EQ(筋の値(U'七'), 0);
    size_t len = 0;
    EXPECT_EQ(駒名を読む(U"成香(12)", len), 香成);
    EXPECT_EQ(len, 2u);
    EXPECT_EQ(駒名を読む(U"香成(12)", len), 香);
    EXPECT_EQ(len, 1u);
    EXPECT_EQ(駒名を読む(U"王", len), 王);
    EXPECT_EQ(駒名を読む(U"竜", len), 飛成);
    EXPECT_EQ(駒名を読む(U"全", len), 銀成);
    EXPECT_EQ(駒名を読む(U"猫", len), 0);
    EXPECT_EQ(指し手の駒名(-角成), U"馬");
    EXPECT_EQ(盤図の駒字(桂成), U'圭');
}

}  // namespace
}  // namespace yukora
