// KI2: the relative words written and read back to the same move, a record's tree, and the
// moves that cannot be found.
#include <gtest/gtest.h>

#include "formats/formats_support.h"
#include "formats/ki2_reader.h"
#include "formats/ki2_writer.h"

namespace yukora {
namespace {

using test::棋譜交換::SFENの局面;
using test::棋譜交換::行に;

struct 相対の例 {
    const char* 局面;  // SFEN
    const char* 手;    // USI
    const char* 文字;  // as KI2 writes it
};
void PrintTo(const 相対の例& c, std::ostream* os) { *os << c.文字; }

記録の手 USIの手(const char* usi) {
    const std::string s = usi;
    記録の手 m;
    if (s[1] == '*') m.打駒 = static_cast<int>(std::string("?PLNSGBR").find(s[0]));
    else m.元X = 10 - (s[0] - '0'), m.元Y = s[1] - 'a' + 1;
    m.先X = 10 - (s[2] - '0');
    m.先Y = s[3] - 'a' + 1;
    m.成り = s.size() > 4;
    return m;
}

constexpr const char* 三枚の金 = "8k/9/9/9/9/9/9/9/K2GGG3 b -";
constexpr const char* 上と寄の金 = "8k/9/9/9/9/9/9/5G3/K3G4 b -";
constexpr const char* 寄と上二枚の金 = "8k/9/9/9/9/9/9/5G3/K2G1G3 b -";
constexpr const char* 三枚の銀 = "8k/9/9/9/9/9/5S3/9/K2S1S3 b -";
constexpr const char* 二枚の龍 = "k8/7+R1/8+R/9/9/9/9/9/4K4 b -";
constexpr const char* 盤と持駒の金 = "8k/9/9/9/9/9/9/9/K3G4 b G";

const 相対の例 相対の例一覧[] = {
    {三枚の金, "6i5h", "▲５八金左"},
    {三枚の金, "5i5h", "▲５八金直"},
    {三枚の金, "4i5h", "▲５八金右"},
    {上と寄の金, "4h5h", "▲５八金寄"},
    {上と寄の金, "5i5h", "▲５八金上"},
    {寄と上二枚の金, "4i5h", "▲５八金右上"},
    {寄と上二枚の金, "6i5h", "▲５八金左"},
    {寄と上二枚の金, "4h5h", "▲５八金寄"},
    {三枚の銀, "4i5h", "▲５八銀右上"},
    {三枚の銀, "4g5h", "▲５八銀引"},
    {三枚の銀, "6i5h", "▲５八銀左"},
    {二枚の龍, "1c2d", "▲２四龍右"},
    {二枚の龍, "2b2d", "▲２四龍左"},
    {"8k/9/9/9/9/9/9/9/K2N1N3 b -", "6i5g", "▲５七桂左"},
    {"3g1g2k/9/9/9/9/9/9/9/K8 w -", "6a5b", "△５二金右"},
    {盤と持駒の金, "G*5h", "▲５八金打"},
    {盤と持駒の金, "5i5h", "▲５八金"},
    {"8k/9/9/9/9/9/9/9/K8 b G", "G*5h", "▲５八金"},
    {"8k/9/9/5S3/9/9/9/9/K8 b -", "4d4c", "▲４三銀不成"},
    {"8k/9/9/5S3/9/9/9/9/K8 b -", "4d4c+", "▲４三銀成"},
};

class KI2の相対 : public ::testing::TestWithParam<相対の例> {};

TEST_P(KI2の相対, 書いた文字から同じ手を読む) {
    const 相対の例& c = GetParam();
    対局記録 r;
    r.開始 = SFENの局面(c.局面);
    r.手 = {USIの手(c.手)};
    const 書式結果 out = KI2行を書く(r);
    ASSERT_EQ(out.理由, "");
    EXPECT_EQ(out.行.back(), c.文字);
    const 読込結果 back = KI2を読む(out.行);
    ASSERT_FALSE(back.エラー) << back.エラー->理由;
    EXPECT_EQ(back.記録.手, r.手);
}

INSTANTIATE_TEST_SUITE_P(例, KI2の相対, ::testing::ValuesIn(相対の例一覧));

TEST(KI2読込, 見出しとコメントと変化とまで) {
    const 読込結果 r =
        KI2を読む(行に("手合割：平手\n"
                       "先手：甲\n"
                       "後手：乙\n"
                       "*対局前\n"
                       "▲７六歩    △３四歩    ▲２二角成\n"
                       "*三手目\n"
                       "△同　銀 ▲２六歩\n"
                       "まで5手で中断\n"
                       "\n"
                       "変化：3手\n"
                       "▲２六歩 △８四歩\n"
                       "まで4手で後手の勝ち\n"));
    ASSERT_FALSE(r.エラー) << r.エラー->行 << ": " << r.エラー->理由;
    const std::vector<見出し項目> 見出し = {{"先手", "甲"}, {"後手", "乙"}};
    EXPECT_EQ(r.記録.見出し, 見出し);
    const std::vector<std::string> 期待 = {"* 対局前", "1 7g7f 0s",   "2 3c3d 0s",   "3 8h2b+ 0s",
                                           "* 三手目", "4 3a2b 0s",   "5 2g2f 0s",   "終局1 0s",
                                           "変化 3",   "  3 2g2f 0s", "  4 8c8d 0s", "  終局2 0s"};
    EXPECT_EQ(test::棋譜交換::木(r.記録), 期待);
}

struct 読めない例 {
    const char* 名前;
    const char* 本文;
    int 行, 手数;
    const char* 理由;
};
void PrintTo(const 読めない例& c, std::ostream* os) { *os << c.名前; }

const 読めない例 読めない例一覧[] = {
    {"どの金か分からない", "先手番\n▲７六歩 △３四歩 ▲５八金\n", 0, 3, "more than one"},
    {"手番でない側", "▲７六歩 ▲２六歩\n", 1, 2, "not to move"},
    {"動ける駒も持駒もない", "▲７五歩\n", 1, 1, "no such piece"},
    {"手の後の余計な字", "▲７六歩x\n", 1, 1, "more text"},
    {"指し手の間の文", "▲７六歩\n感想\n△３四歩\n", 2, 2, "neither a move"},
};

class KI2読込失敗 : public ::testing::TestWithParam<読めない例> {};

TEST_P(KI2読込失敗, 止まった行と手数と理由) {
    const 読めない例& c = GetParam();
    const 読込結果 r = KI2を読む(行に(c.本文));
    ASSERT_TRUE(r.エラー);
    if (c.行 > 0) {
        EXPECT_EQ(r.エラー->行, c.行);
    }
    EXPECT_EQ(r.エラー->手数, c.手数);
    EXPECT_NE(r.エラー->理由.find(c.理由), std::string::npos) << r.エラー->理由;
}

INSTANTIATE_TEST_SUITE_P(例, KI2読込失敗, ::testing::ValuesIn(読めない例一覧));

}  // namespace
}  // namespace yukora
