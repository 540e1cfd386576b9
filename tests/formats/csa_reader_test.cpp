// Reading CSA: the ways a start is given, statements, times, ends, and where reading stops.
#include "formats/csa_reader.h"

#include <gtest/gtest.h>

#include "formats/formats_support.h"

namespace yukora {
namespace {

using test::棋譜交換::SFEN;
using test::棋譜交換::最後の局面;
using test::棋譜交換::行に;

struct 読める例 {
    const char* 名前;
    const char* 本文;
    const char* 開始;
    size_t 手数;
    const char* 最後;
    終局理由 終局;
};
void PrintTo(const 読める例& c, std::ostream* os) { *os << c.名前; }

const 読める例 読める例一覧[] = {
    {"指し手だけ", "+7776FU\n-3334FU\n%TORYO\n",
     "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -", 2,
     "lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b -", 終局理由::投了},
    {"駒落ちとカンマ", "V2.2\nPI82HI22KA\n-\n-5142OU,T12\n+7776FU\n%CHUDAN\n",
     "lnsgkgsnl/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w -", 2,
     "lnsg1gsnl/5k3/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w -", 終局理由::中断},
    {"盤面と持駒と成り",
     "'CSA encoding=UTF-8\nV3.0\n"
     "P1-KY-KE * -KI * -KI * -KE-KY\n"
     "P2 * -HI *  *  *  * -GI-OU *\n"
     "P3-FU-FU-FU-FU-FU-FU-FU-FU-FU\n"
     "P4 *  *  *  *  *  *  *  *  *\n"
     "P5 *  *  *  *  *  *  *  *  *\n"
     "P6 *  *  *  *  *  *  *  *  *\n"
     "P7+FU+FU+FU+FU+FU+FU+FU+FU+FU\n"
     "P8 * +KA *  *  *  *  * +HI *\n"
     "P9+KY+KE+GI+KI+OU+KI+GI+KE+KY\n"
     "P-00GI\n+\n+7776FU\nT1.5\n-0054GI\n+8833UM\n%TSUMI\n/\n+2726FU\n",
     "ln1g1g1nl/1r4sk1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b s", 3,
     "ln1g1g1nl/1r4sk1/pppppp+Bpp/4s4/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL w P", 終局理由::詰み},
    {"駒を一つずつと残り全部", "P-11OU\nP+13FU23KI59OU\nP+00HI00AL\n+\n+1312TO\n%-ILLEGAL_ACTION\n",
     "8k/9/7GP/9/9/9/9/9/4K4 b 2R2B3G4S4N4L17P", 1, "8k/8+P/7G1/9/9/9/9/9/4K4 w 2R2B3G4S4N4L17P",
     終局理由::反則負け},
    {"玉が一枚の詰将棋", "P-11OU\nP+13FU23KI\nP-00AL\n+\n+2312KI\n%TSUMI\n",
     "8k/9/7GP/9/9/9/9/9/9 b 2r2b3g4s4n4l17p", 1, "8k/8G/8P/9/9/9/9/9/9 w 2r2b3g4s4n4l17p",
     終局理由::詰み},
};

class CSA読込 : public ::testing::TestWithParam<読める例> {};

TEST_P(CSA読込, 開始と指し手と終局が読める) {
    const 読める例& c = GetParam();
    SCOPED_TRACE(c.名前);
    const 読込結果 r = CSAを読む(行に(c.本文));
    ASSERT_FALSE(r.エラー) << r.エラー->行 << ": " << r.エラー->理由;
    EXPECT_EQ(SFEN(r.記録.開始), c.開始);
    EXPECT_EQ(r.記録.手.size(), c.手数);
    EXPECT_EQ(SFEN(最後の局面(r.記録)), c.最後);
    EXPECT_EQ(r.記録.終局, c.終局);
}

INSTANTIATE_TEST_SUITE_P(例, CSA読込, ::testing::ValuesIn(読める例一覧));

TEST(CSA読込, 見出しとコメントと時間) {
    const 読込結果 r = CSAを読む(行に(
        "N+先手 太郎\nN-後手 花子\n$EVENT:名人戦\n$START_TIME:2024/01/02 10:00:00\n"
        "$SITE:どこか\n$NOTE:メモ\n$OPPONENT:人\nPI\n+\n'*開始\n+7776FU\nT125\n'*一手目\n'二行目\n"
        "-3334FU\nT3\n%TORYO\nT7\n'*終局\n"));
    ASSERT_FALSE(r.エラー);
    const std::vector<見出し項目> 見出し = {
        {"先手", "先手 太郎"}, {"後手", "後手 花子"},
        {"棋戦", "名人戦"},    {"開始日時", "2024/01/02 10:00:00"},
        {"場所", "どこか"},    {"備考", "メモ"},
        {"$OPPONENT", "人"}};
    EXPECT_EQ(r.記録.見出し, 見出し);
    EXPECT_EQ(r.記録.開始のコメント, std::vector<std::string>{"開始"});
    ASSERT_EQ(r.記録.手.size(), 2u);
    EXPECT_EQ(r.記録.手[0].秒, 125);
    EXPECT_EQ(r.記録.手[0].コメント, (std::vector<std::string>{"一手目", "二行目"}));
    EXPECT_EQ(r.記録.手[1].秒, 3);
    EXPECT_EQ(r.記録.終局, 終局理由::投了);
    EXPECT_EQ(r.記録.終局の秒, 7);
    EXPECT_EQ(r.記録.終局のコメント, std::vector<std::string>{"終局"});
}

// "+" names the side that fouled: the side to move wins when the other one did.
TEST(CSA読込, 反則の符号は反則した側) {
    EXPECT_EQ(CSAを読む(行に("+7776FU\n%+ILLEGAL_ACTION\n")).記録.終局, 終局理由::反則勝ち);
    EXPECT_EQ(CSAを読む(行に("+7776FU\n%-ILLEGAL_ACTION\n")).記録.終局, 終局理由::反則負け);
}

struct 読めない例 {
    const char* 名前;
    const char* 本文;
    int 行, 手数;
    const char* 理由;
    size_t 読めた手;
};
void PrintTo(const 読めない例& c, std::ostream* os) { *os << c.名前; }

const 読めない例 読めない例一覧[] = {
    {"手番でない側", "+7776FU\n+2726FU\n", 2, 2, "not to move", 1},
    {"規則に反する手", "+7776FU\n-3334FU\n+2724FU\n", 3, 3, "cannot go there", 2},
    {"動いた駒が合わない", "+7776GI\n", 1, 1, "does not match", 0},
    {"成れない所で成る", "+7776TO\n", 1, 1, "cannot promote", 0},
    {"知らない駒", "+7776XX\n", 1, 1, "cannot be read", 0},
    {"指し手の後の局面", "PI\n+\n+7776FU\nP1 *  *  *  *  *  *  *  *  *\n", 4, 2, "position line",
     1},
    {"ない駒を落とす", "PI55KA\n+\n", 1, 0, "not there", 0},
    {"王のない局面", "P+13FU\n+\n", 2, 0, "no king", 0},
    {"歩が多すぎる持駒",
     "P+00FU00FU00FU00FU00FU00FU00FU00FU00FU00FU00FU00FU00FU00FU00FU00FU00FU00FU00FU\n", 1, 0,
     "more of a piece", 0},
    {"何もない", "hello\n", 0, 0, "no CSA record", 0},
};

class CSA読込失敗 : public ::testing::TestWithParam<読めない例> {};

TEST_P(CSA読込失敗, 止まった行と手数と理由) {
    const 読めない例& c = GetParam();
    SCOPED_TRACE(c.名前);
    const 読込結果 r = CSAを読む(行に(c.本文));
    ASSERT_TRUE(r.エラー);
    EXPECT_EQ(r.エラー->行, c.行);
    EXPECT_EQ(r.エラー->手数, c.手数);
    EXPECT_NE(r.エラー->理由.find(c.理由), std::string::npos) << r.エラー->理由;
    EXPECT_EQ(r.記録.手.size(), c.読めた手);
}

INSTANTIATE_TEST_SUITE_P(例, CSA読込失敗, ::testing::ValuesIn(読めない例一覧));

}  // namespace
}  // namespace yukora
