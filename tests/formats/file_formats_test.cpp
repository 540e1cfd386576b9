// Record files by their text when it tells another format than the name, and what no
// writer writes: more moves or more bytes than its reader takes.
#include "formats/file_formats.h"

#include <gtest/gtest.h>

#include "formats/formats_support.h"
#include "formats/handicap_names.h"

namespace yukora {
namespace {

struct 内容の例 {
    const char* 名前;
    const char* ファイル名;
    std::string bytes;
    size_t 手数;
    const char* 注意;  // part of the first note; "" for none
    const char* 誤り;  // part of the error; "" for none
};
void PrintTo(const 内容の例& c, std::ostream* os) { *os << c.名前; }

const std::string 棋譜ファイル = "題\r\n後手\r\n先手\r\n" + std::string(358, '0') + "\r\n";

const 内容の例 内容の例一覧[] = {
    {"KI2の.kif", "a.kif", "先手：甲\n▲７六歩 △３四歩\n", 2, "read as KI2", ""},
    {"KIFの.csa", "a.csa", "   1 ７六歩(77)\n", 1, "read as KIF", ""},
    {"CSAの.kifu", "a.kifu", "V2.2\nPI\n+\n+7776FU\n", 1, "read as CSA", ""},
    {"Shift-JISのKI2", "a.ki2", "\x81\xA3\x82\x56\x98\x5A\x95\xE0\n", 1, "", ""},
    {"局面だけのKIF", "a.kif", "手合割：香落ち\n", 0, "", ""},
    {"名前も中身も分からない", "a.txt", "hello\n", 0, "", "unknown format"},
    {"指し手が読めないKIF", "a.kif", "手数----\n   1 ７六(77)\n", 0, "", "no piece named"},
};

class 内容で読む : public ::testing::TestWithParam<内容の例> {};

TEST_P(内容で読む, 名前と違う形式は中身で) {
    const 内容の例& c = GetParam();
    const 読込結果 r = 棋譜を読む(c.bytes, 拡張子の形式(c.ファイル名));
    EXPECT_EQ(r.記録.手.size(), c.手数);
    ASSERT_EQ(r.注意.empty(), *c.注意 == '\0');
    if (!r.注意.empty()) {
        EXPECT_NE(r.注意[0].理由.find(c.注意), std::string::npos) << r.注意[0].理由;
    }
    ASSERT_EQ(r.エラー.has_value(), *c.誤り != '\0');
    if (r.エラー) {
        EXPECT_NE(r.エラー->理由.find(c.誤り), std::string::npos) << r.エラー->理由;
    }
}

INSTANTIATE_TEST_SUITE_P(例, 内容で読む, ::testing::ValuesIn(内容の例一覧));

TEST(内容で読む, 自前の形式は四行目で分かる) {
    const 読込結果 r = 棋譜を読む(棋譜ファイル, 棋譜形式::KIF);
    ASSERT_FALSE(r.注意.empty());
    EXPECT_NE(r.注意[0].理由.find(".棋譜"), std::string::npos);
}

// A game of more moves than the own reader takes, and a comment past the size every reader
// takes: refused with the reason, nothing written.
TEST(書込の上限, 読み戻せないものは書かない) {
    対局記録 r;
    r.開始 = 手合割の局面(*手合割を名前で探す(U"平手"));
    // The kings step out and back: 5九-5八, 5一-5二, 5八-5九, 5二-5一, …
    const 記録の手 cycle[4] = {{.元X = 5, .元Y = 9, .先X = 5, .先Y = 8},
                               {.元X = 5, .元Y = 1, .先X = 5, .先Y = 2},
                               {.元X = 5, .元Y = 8, .先X = 5, .先Y = 9},
                               {.元X = 5, .元Y = 2, .先X = 5, .先Y = 1}};
    for (int i = 0; i < 25'000; ++i) r.手.push_back(cycle[i % 4]);
    const 書込結果 own = 棋譜を書く(r, 棋譜形式::棋譜);
    EXPECT_EQ(own.理由, "a \".棋譜\" file holds at most 20000 moves");
    EXPECT_TRUE(own.内容.empty());
    EXPECT_EQ(棋譜を書く(r, 棋譜形式::KIFU).理由, "");
    r.手.resize(2);
    r.手[0].コメント = {std::string(棋譜の大きさの上限, 'c')};
    for (const 棋譜形式 f : {棋譜形式::KIF, 棋譜形式::KIFU, 棋譜形式::KI2U, 棋譜形式::CSA}) {
        const 書込結果 w = 棋譜を書く(r, f);
        EXPECT_NE(w.理由.find("larger than 16 MiB"), std::string::npos) << w.理由;
        EXPECT_TRUE(w.内容.empty());
    }
}

}  // namespace
}  // namespace yukora
