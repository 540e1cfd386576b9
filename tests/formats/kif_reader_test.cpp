// Reading KIF: starts, notation, what is skipped, and where reading stops.
#include "formats/kif_reader.h"

#include <gtest/gtest.h>

#include "formats/formats_support.h"

namespace yukora {
namespace {

using test::棋譜交換::SFEN;
using test::棋譜交換::最後の局面;
using test::棋譜交換::行に;

constexpr const char* 平手SFEN = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -";

struct 読める例 {
    const char* 名前;
    const char* 本文;
    const char* 開始;  // SFEN of the start
    size_t 手数;
    const char* 最後;  // SFEN after the last move
};
void PrintTo(const 読める例& c, std::ostream* os) { *os << c.名前; }

const 読める例 読める例一覧[] = {
    {"同と成と打と不成と王と竜",
     "手合割：平手\n"
     "手数----指手---------消費時間--\n"
     "   1 ７六歩(77)   ( 0:05/00:00:05)\n"
     "   2 ３四歩(33)   ( 0:03/00:00:03)\n"
     "   3 ２二角成(88) ( 0:10/00:00:15)\n"
     "   4 同　銀(31)   ( 0:02/00:00:05)\n"
     "   5 ４五角打     ( 1:00/00:01:15)\n"
     "   6 ５二金(41)\n"
     "   7 ６三角不成(45)\n"
     "   8 ６二銀(71)\n"
     "   9 ５八王(59)\n"
     "  10 投了\n",
     平手SFEN, 9, "ln1gk2nl/1r1sg2s1/pppBpp1pp/6p2/9/2P6/PP1PPPPPP/4K2R1/LNSG1GSNL w Pb"},
    {"コメントと栞と変化の本譜",
     "# 柿木形式\n"
     "*対局前\n"
     "手数----指手---------消費時間--\n"
     "   1 ７六歩(77)\n"
     "*一手目の感想\n"
     "&しおり\n"
     "   2 ３四歩(33)+\n"
     "まで2手で中断\n"
     "\n"
     "変化：2手\n"
     "   2 ８四歩(83)\n",
     平手SFEN, 2, "lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b -"},
    {"手合割の名前", "手合割：二枚落ち\n上手：甲\n下手：乙\n   1 ５二玉(51)\n",
     "lnsgkgsnl/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w -", 1,
     "lnsg1gsnl/4k4/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -"},
    {"盤面図と持駒と後手番",
     "後手の持駒：飛　金二　歩十八\n"
     "  ９ ８ ７ ６ ５ ４ ３ ２ １\n"
     "+---------------------------+\n"
     "| ・ ・ ・ ・ ・ ・ ・v桂v香|一\n"
     "| ・ ・ ・ ・ ・ ・v金v玉 ・|二\n"
     "| ・ ・ ・ ・ ・ ・ ・ ・ ・|三\n"
     "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四\n"
     "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五\n"
     "| ・ ・ ・ ・ ・ ・ ・ ・ ・|六\n"
     "| ・ ・ ・ ・ ・ ・ ・ ・ ・|七\n"
     "| ・ ・ ・ ・ ・ ・ ・ 杏 龍|八\n"
     "| 香 桂 銀 ・ 玉 ・ 銀 桂 ・|九\n"
     "+---------------------------+\n"
     "先手の持駒：角二　銀二　桂　香\n"
     "後手番\n"
     "   1 １三玉(22)\n",
     "7nl/6gk1/9/9/9/9/9/7+L+R/LNS1K1SN1 w 2B2SNLr2g18p", 1,
     "7nl/6g2/8k/9/9/9/9/7+L+R/LNS1K1SN1 b 2B2SNLr2g18p"},
    {"名前の後の盤面図が勝つ",
     "手合割：三枚落ち\n"
     "上手の持駒：なし\n"
     "+---------------------------+\n"
     "|v香v桂v銀v金v玉v金v銀v桂 ・|一\n"
     "| ・ ・ ・ ・ ・ ・ ・ ・ ・|二\n"
     "|v歩v歩v歩v歩v歩v歩v歩v歩v歩|三\n"
     "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四\n"
     "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五\n"
     "| ・ ・ ・ ・ ・ ・ ・ ・ ・|六\n"
     "| 歩 歩 歩 歩 歩 歩 歩 歩 歩|七\n"
     "| ・ 角 ・ ・ ・ ・ ・ 飛 ・|八\n"
     "| 香 桂 銀 金 玉 金 銀 桂 香|九\n"
     "+---------------------------+\n"
     "下手の持駒：なし\n"
     "上手番\n",
     "lnsgkgsn1/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w -", 0,
     "lnsgkgsn1/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w -"},
};

class KIF読込 : public ::testing::TestWithParam<読める例> {};

TEST_P(KIF読込, 開始と指し手が読める) {
    const 読める例& c = GetParam();
    SCOPED_TRACE(c.名前);
    const 読込結果 r = KIFを読む(行に(c.本文));
    ASSERT_FALSE(r.エラー) << r.エラー->行 << ": " << r.エラー->理由;
    EXPECT_EQ(SFEN(r.記録.開始), c.開始);
    EXPECT_EQ(r.記録.手.size(), c.手数);
    EXPECT_EQ(SFEN(最後の局面(r.記録)), c.最後);
}

INSTANTIATE_TEST_SUITE_P(例, KIF読込, ::testing::ValuesIn(読める例一覧));

TEST(KIF読込, 見出しと時間と終局) {
    const 読込結果 r =
        KIFを読む(行に("# 柿木形式\n"
                       "開始日時：2024/01/02(火) 10:00:00\n"
                       "棋戦：竜王戦\n"
                       "先手：先手 太郎\n"
                       "後手：後手 花子\n"
                       "表題：第一局\n"
                       "自由な一行\n"
                       "   1 ７六歩(77)   ( 1:05/00:01:05)\n"
                       "   2 ３四歩(33)   (12:03/00:12:03)\n"
                       "   3 詰           ( 0:07/00:01:12)\n"
                       "   4 ２六歩(27)\n"));
    ASSERT_TRUE(r.エラー);  // a move after the end
    EXPECT_EQ(r.エラー->行, 11);
    const std::vector<見出し項目> 見出し = {
        {"", "# 柿木形式"},    {"開始日時", "2024/01/02(火) 10:00:00"},
        {"棋戦", "竜王戦"},    {"先手", "先手 太郎"},
        {"後手", "後手 花子"}, {"表題", "第一局"},
        {"", "自由な一行"}};
    EXPECT_EQ(r.記録.見出し, 見出し);
    ASSERT_EQ(r.記録.手.size(), 2u);  // a move after the end is an error
    EXPECT_EQ(r.記録.手[0].秒, 65);
    EXPECT_EQ(r.記録.手[1].秒, 723);
    EXPECT_EQ(r.記録.終局, 終局理由::詰み);
    EXPECT_EQ(r.記録.終局の秒, 7);
}

// Comments and bookmarks where they stand, branches under the move they replace (the
// latest branch point first, a branch of a branch right after it), each line's end.
TEST(KIF読込, コメントと栞と変化の木) {
    const 読込結果 r =
        KIFを読む(行に("*対局前\n"
                       "手数----指手---------消費時間--\n"
                       "   1 ７六歩(77)   ( 0:01/00:00:01)\n"
                       "*一手目\n"
                       "&しおり\n"
                       "   2 ３四歩(33)   ( 0:02/00:00:02)+\n"
                       "   3 ２六歩(27)   ( 0:03/00:00:04)+\n"
                       "   4 投了\n"
                       "*終わり\n"
                       "まで3手で先手の勝ち\n"
                       "\n"
                       "変化：3手\n"
                       "   3 ６六歩(67)   ( 0:05/00:00:06)\n"
                       "   4 中断\n"
                       "\n"
                       "変化：2手\n"
                       "   2 ８四歩(83)   ( 0:09/00:00:09)+\n"
                       "*枝の一手目\n"
                       "   3 ２六歩(27)\n"
                       "変化：3手\n"
                       "   3 ５六歩(57)\n"
                       "変化：2手\n"
                       "   2 ３二金(41)\n"));
    ASSERT_FALSE(r.エラー) << r.エラー->行 << ": " << r.エラー->理由;
    const std::vector<std::string> 期待 = {
        "* 対局前",   "1 7g7f 1s",     "* 一手目",    "& しおり",       "2 3c3d 2s",
        "3 2g2f 3s",  "終局2 0s",      "* 終わり",    "変化 3",         "  3 6g6f 5s",
        "  終局1 0s", "変化 2",        "  2 8c8d 9s", "  * 枝の一手目", "  3 2g2f 0s",
        "  変化 3",   "    3 5g5f 0s", "変化 2",      "  2 4a3b 0s"};
    EXPECT_EQ(test::棋譜交換::木(r.記録), 期待);
}

struct 読めない例 {
    const char* 名前;
    const char* 本文;
    int 行, 手数;
    const char* 理由;  // a part of the reason
    size_t 読めた手;
};
void PrintTo(const 読めない例& c, std::ostream* os) { *os << c.名前; }

const char* const 八段の盤面図 =
    "後手の持駒：なし\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・v玉|一\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|二\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|三\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|六\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|七\n"
    "| ・ ・ ・ ・ 玉 ・ ・ ・ ・|九\n"
    "   1 ５八玉(59)\n";

const 読めない例 読めない例一覧[] = {
    {"規則に反する手", "   1 ７六歩(77)\n   2 ３四歩(33)\n   3 ２四歩(27)\n", 3, 3,
     "cannot go there", 2},
    {"元の駒が違う", "   1 ７六銀(77)\n", 1, 1, "not the one named", 0},
    {"手数が飛ぶ", "   1 ７六歩(77)\n   3 ３四歩(33)\n", 2, 2, "out of order", 1},
    {"最初の同", "   1 同　歩(77)\n", 1, 1, "同", 0},
    {"駒の名がない", "   1 ７六(77)\n", 1, 1, "no piece named", 0},
    {"持っていない駒を打つ", "   1 ５五角打\n", 1, 1, "no such piece in hand", 0},
    {"知らない手合割", "手合割：詰将棋\n   1 ７六歩(77)\n", 1, 0, "unknown", 0},
    {"段の欠けた盤面図", 八段の盤面図, 2, 0, "lacks a rank", 0},
    {"二歩の開始局面",
     "先手の持駒：なし\n| ・ ・ ・ ・ ・ ・ ・ ・v玉|一\n"
     "| ・ ・ ・ ・ ・ ・ ・ ・ ・|二\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|三\n"
     "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|五\n"
     "| 歩 ・ ・ ・ ・ ・ ・ ・ ・|六\n| 歩 ・ ・ ・ ・ ・ ・ ・ ・|七\n"
     "| ・ ・ ・ ・ ・ ・ ・ ・ ・|八\n| ・ ・ ・ ・ 玉 ・ ・ ・ ・|九\n",
     2, 0, "two pawns", 0},
    {"何もない", "こんにちは\nさようなら\n", 0, 0, "no KIF record", 0},
    {"指し手の間の読めない行", "   1 ７六歩(77)\n\x01   2 ３四歩(33)\n   3 ２六歩(27)\n", 2, 2,
     "neither a move", 1},
    {"ない手からの変化", "   1 ７六歩(77)\n変化：3手\n   3 ２六歩(27)\n", 2, 3, "no move 3", 1},
    {"空", "", 0, 0, "no KIF record", 0},
};

class KIF読込失敗 : public ::testing::TestWithParam<読めない例> {};

TEST_P(KIF読込失敗, 止まった行と手数と理由) {
    const 読めない例& c = GetParam();
    SCOPED_TRACE(c.名前);
    const 読込結果 r = KIFを読む(行に(c.本文));
    ASSERT_TRUE(r.エラー);
    EXPECT_EQ(r.エラー->行, c.行);
    EXPECT_EQ(r.エラー->手数, c.手数);
    EXPECT_NE(r.エラー->理由.find(c.理由), std::string::npos) << r.エラー->理由;
    EXPECT_EQ(r.記録.手.size(), c.読めた手);
}

INSTANTIATE_TEST_SUITE_P(例, KIF読込失敗, ::testing::ValuesIn(読めない例一覧));

}  // namespace
}  // namespace yukora
