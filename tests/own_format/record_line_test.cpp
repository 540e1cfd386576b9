#include "own_format/record_line.h"

#include <gtest/gtest.h>

#include <string_view>

#include "support/board_fixtures.h"

namespace yukora {
namespace {

// Character positions in the fixed-width line, 1-based as in the format.
std::string 文字(const std::string& line, int from, int to) {
    return line.substr(static_cast<size_t>(from - 1), static_cast<size_t>(to - from + 1));
}

// An entry with the board and hands of a position (see test::盤面); times zero.
手順記録 項目(std::string_view board, std::string_view hands = "-") {
    const 局面 p = test::盤面(board, hands);
    手順記録 e;
    e.盤 = p.盤;
    e.MAN持駒 = p.MAN持駒;
    e.COM持駒 = p.COM持駒;
    return e;
}

手順記録 初期局面の項目() {
    手順記録 e;
    e.盤 = test::初期局面().盤;
    return e;
}

TEST(棋譜行, 五の九の下の王は177から180文字目に書かれる) {
    const 手順記録 e = 項目("9/9/9/9/9/9/9/9/4K4");
    const std::string line = 書式_棋譜行(e);
    ASSERT_EQ(line.size(), 358u);
    EXPECT_EQ(文字(line, 177, 180), "-950");
    EXPECT_EQ(文字(line, 173, 176), "   0");
    EXPECT_EQ(文字(line, 181, 184), "   0");
}

TEST(棋譜行, 盤はxが遅く回り右寄せの四文字) {
    const std::string line = 書式_棋譜行(初期局面の項目());
    // x = 1: 香 on row 1, 歩 on row 3, the bottom 歩 on row 7, the bottom 香 on row 9.
    EXPECT_EQ(文字(line, 1, 36), "  20   0  10   0   0   0 -10   0 -20");
    // x = 2, y = 8: the bottom 角; x = 8, y = 8: the bottom 飛.
    EXPECT_EQ(文字(line, 9 * 4 + 7 * 4 + 1, 9 * 4 + 8 * 4), "-800");
    EXPECT_EQ(文字(line, 7 * 36 + 7 * 4 + 1, 7 * 36 + 8 * 4), "-900");
}

TEST(棋譜行, 時間は整数部を五文字に右寄せし十万秒以上は99999) {
    手順記録 e;
    e.MAN時間前 = 7.9f;
    e.MAN時間後 = 1000;
    e.COM時間前 = 12345;
    e.COM時間後 = 100000;
    std::string line = 書式_棋譜行(e);
    EXPECT_EQ(文字(line, 339, 343), "    7");
    EXPECT_EQ(文字(line, 344, 348), " 1000");
    EXPECT_EQ(文字(line, 349, 353), "12345");
    EXPECT_EQ(文字(line, 354, 358), "99999");
    e.COM時間後 = 3.5e9f;
    e.MAN時間前 = 99999.9f;
    line = 書式_棋譜行(e);
    EXPECT_EQ(line.size(), 358u);
    EXPECT_EQ(文字(line, 354, 358), "99999");
    EXPECT_EQ(文字(line, 339, 343), "99999");
}

TEST(棋譜行, 持駒数は種類ごとに自分と相手の順で一文字十以上は英字) {
    // Bottom: 10 pawns, 3 lances, 9 bishops; top: 18 pawns, 2 rooks.
    const 手順記録 e = 項目("9/9/9/9/9/9/9/9/9", "10P3L9B18p2r");
    const std::string line = 書式_棋譜行(e);
    ASSERT_EQ(line.size(), 358u);
    EXPECT_EQ(文字(line, 325, 338), "AI300000009002");
    const 手順記録 back = 解析_棋譜行(line);
    EXPECT_EQ(back.MAN持駒, e.MAN持駒);
    EXPECT_EQ(back.COM持駒, e.COM持駒);
    for (int n = 0; n <= 18; ++n)
        EXPECT_EQ(持駒数の値(static_cast<unsigned char>(持駒数の文字(n))), n);
}

TEST(棋譜行, 書いて読むと盤と持駒と秒が元に戻る) {
    手順記録 e = 項目(R"(
        l n s g k g s n l
        . r . . . . . b .
        p p p p p p p p p
        . . .+R . . . . .
        . . . .+b . . . .
        . . . . .+P . . .
        P P P P P P P P P
        . B . . . . . R .
        L N S G K G S N L
    )",
                      "2G11p");
    e.MAN時間前 = 12.0f;
    e.MAN時間後 = 19.0f;
    e.COM時間前 = 99999.0f;
    e.COM時間後 = 0.0f;
    const 手順記録 back = 解析_棋譜行(書式_棋譜行(e));
    EXPECT_EQ(back.盤, e.盤);
    EXPECT_EQ(back.MAN持駒, e.MAN持駒);
    EXPECT_EQ(back.COM持駒, e.COM持駒);
    EXPECT_EQ(back.MAN時間前, 12.0f);
    EXPECT_EQ(back.MAN時間後, 19.0f);
    EXPECT_EQ(back.COM時間前, 99999.0f);
    EXPECT_EQ(back.COM時間後, 0.0f);
}

// The line of the starting position with the first board field replaced.
std::string 最初の欄を(const std::string& field) {
    std::string line = 書式_棋譜行(初期局面の項目());
    return field + line.substr(4);
}

TEST(棋譜行読込, 数でない欄と表にない駒は空き桝になる) {
    for (const char* field : {"  x1", "1 2 ", " 999", "9999", "-111", "  ++", " - 5", "  -0",
                              "+ 20", "0x14", "  1e", "    "}) {
        SCOPED_TRACE(field);
        const 手順記録 e = 解析_棋譜行(最初の欄を(field));
        EXPECT_EQ(e.盤[1][1], 0);
        EXPECT_EQ(e.盤[1][3], 歩);  // the next fields are untouched
    }
    EXPECT_EQ(解析_棋譜行(最初の欄を(" -10")).盤[1][1], -歩);
    EXPECT_EQ(解析_棋譜行(最初の欄を("950 ")).盤[1][1], 王);
    EXPECT_EQ(解析_棋譜行(最初の欄を("-901")).盤[1][1], -飛成);
}

TEST(棋譜行読込, 全角の文字も一文字と数えて後ろの欄がずれない) {
    const 手順記録 e = 解析_棋譜行(最初の欄を("歩１０ "));
    EXPECT_EQ(e.盤[1][1], 0);
    EXPECT_EQ(e.盤[1][3], 歩);
    EXPECT_EQ(e.盤[5][9], -王);
}

TEST(棋譜行読込, 短い行は足りない欄を0と読む) {
    const 手順記録 e = 解析_棋譜行("  20   0  1");
    EXPECT_EQ(e.盤[1][1], 香);
    EXPECT_EQ(e.盤[1][2], 0);
    EXPECT_EQ(e.盤[1][3], 0);  // "  1" spells 1, which is no piece
    EXPECT_EQ(e.盤[5][9], 0);
    EXPECT_EQ(e.MAN持駒[1], 0);
    EXPECT_EQ(e.COM時間後, 0.0f);
    EXPECT_EQ(解析_棋譜行("").盤, 盤型{});
}

TEST(棋譜行読込, 持駒の欄は数字とAからIだけを数として読む) {
    std::string line = 書式_棋譜行(手順記録{});
    line.replace(324, 14, "9AIJa -Z0123!?");
    const 手順記録 e = 解析_棋譜行(line);
    EXPECT_EQ(e.MAN持駒[1], 9);
    EXPECT_EQ(e.COM持駒[1], 10);
    EXPECT_EQ(e.MAN持駒[2], 18);
    EXPECT_EQ(e.COM持駒[2], 0);  // J
    EXPECT_EQ(e.MAN持駒[3], 0);  // a
    EXPECT_EQ(e.COM持駒[3], 0);  // blank
    EXPECT_EQ(e.MAN持駒[4], 0);  // minus
    EXPECT_EQ(e.COM持駒[4], 0);  // Z
    EXPECT_EQ(e.MAN持駒[5], 0);
    EXPECT_EQ(e.COM持駒[5], 1);
}

TEST(棋譜行読込, 時間の欄は前の空白を飛ばして読み壊れていれば0) {
    std::string line = 書式_棋譜行(手順記録{});
    line.replace(338, 20, "  -10 12x4    7     ");
    const 手順記録 e = 解析_棋譜行(line);
    EXPECT_EQ(e.MAN時間前, -10.0f);
    EXPECT_EQ(e.MAN時間後, 0.0f);
    EXPECT_EQ(e.COM時間前, 7.0f);
    EXPECT_EQ(e.COM時間後, 0.0f);
}

}  // namespace
}  // namespace yukora
