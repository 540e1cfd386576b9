// Writing KIF and CSA: the exact text of a short game, the starts, and reading it all back.
#include <gtest/gtest.h>

#include <algorithm>

#include "formats/csa_reader.h"
#include "formats/csa_writer.h"
#include "formats/formats_support.h"
#include "formats/handicap_names.h"
#include "formats/kif_reader.h"
#include "formats/kif_writer.h"

namespace yukora {
namespace {

using test::棋譜交換::SFENの局面;
using test::棋譜交換::行に;

// Square of file f, rank r.
記録の手 手(int 元f, int 元r, int 先f, int 先r, int 秒, bool 成り = false) {
    return {10 - 元f, 元r, 10 - 先f, 先r, 0, 成り, 秒};
}
記録の手 打つ(int kind, int f, int r, int 秒) { return {0, 0, 10 - f, r, kind, false, 秒}; }

// Captures, a promotion, a drop, a promotion declined, a move to the square just taken.
対局記録 短い対局() {
    対局記録 r;
    r.開始 = 手合割の局面(*手合割を名前で探す(U"平手"));
    r.開始日時 = "2024/01/02 10:00:00";
    r.棋戦 = "練習対局";
    r.先手名 = "先手 太郎";
    r.後手名 = "後手 花子";
    r.手 = {手(7, 7, 7, 6, 5),        手(3, 3, 3, 4, 3),       手(8, 8, 2, 2, 10, true),
            手(3, 1, 2, 2, 2),        打つ(持駒_角, 4, 5, 60), 手(4, 1, 5, 2, 30),
            手(4, 5, 6, 3, 4, false), 手(7, 1, 6, 2, 1)};
    r.終局 = 終局理由::投了;
    return r;
}

TEST(KIF書式, 短い対局の全文) {
    const 書式結果 out = KIF行を書く(短い対局(), 文字コード::SJIS);
    ASSERT_EQ(out.理由, "");
    const std::vector<std::string> expected = {
        "#KIF version=2.0 encoding=Shift_JIS",
        "開始日時：2024/01/02 10:00:00",
        "棋戦：練習対局",
        "手合割：平手",
        "先手：先手 太郎",
        "後手：後手 花子",
        "手数----指手---------消費時間--",
        "   1 ７六歩(77)   ( 0:05/00:00:05)",
        "   2 ３四歩(33)   ( 0:03/00:00:03)",
        "   3 ２二角成(88) ( 0:10/00:00:15)",
        "   4 同　銀(31)   ( 0:02/00:00:05)",
        "   5 ４五角打     ( 1:00/00:01:15)",
        "   6 ５二金(41)   ( 0:30/00:00:35)",
        "   7 ６三角(45)   ( 0:04/00:01:19)",
        "   8 ６二銀(71)   ( 0:01/00:00:36)",
        "   9 投了         ( 0:00/00:01:19)",
        "まで8手で後手の勝ち",
    };
    EXPECT_EQ(out.行, expected);
}

TEST(CSA書式, 短い対局の全文) {
    const 書式結果 out = CSA行を書く(短い対局());
    ASSERT_EQ(out.理由, "");
    const std::vector<std::string> expected = {
        "V2.2",
        "N+先手 太郎",
        "N-後手 花子",
        "$EVENT:練習対局",
        "$START_TIME:2024/01/02 10:00:00",
        "PI",
        "+",
        "+7776FU",
        "T5",
        "-3334FU",
        "T3",
        "+8822UM",
        "T10",
        "-3122GI",
        "T2",
        "+0045KA",
        "T60",
        "-4152KI",
        "T30",
        "+4563KA",
        "T4",
        "-7162GI",
        "T1",
        "%TORYO",
    };
    EXPECT_EQ(out.行, expected);
}

// Every named start is written by its name; names not every reader knows get a diagram too.
TEST(KIF書式, 手合割は名前で) {
    for (const char32_t* name :
         {U"香落ち", U"右香落ち", U"角落ち", U"飛車落ち", U"飛香落ち", U"二枚落ち", U"三枚落ち",
          U"四枚落ち", U"五枚落ち", U"左五枚落ち", U"六枚落ち", U"左七枚落ち", U"右七枚落ち",
          U"八枚落ち", U"十枚落ち"}) {
        const 手合割* h = 手合割を名前で探す(name);
        ASSERT_NE(h, nullptr);
        SCOPED_TRACE(std::string(h->名前));
        対局記録 r;
        r.開始 = 手合割の局面(*h);
        r.先手名 = "甲";
        const 書式結果 out = KIF行を書く(r, 文字コード::UTF8);
        const auto has = [&](const std::string& line) {
            return std::find(out.行.begin(), out.行.end(), line) != out.行.end();
        };
        EXPECT_TRUE(has("手合割：" + std::string(h->名前)));
        EXPECT_EQ(has("上手番"), !h->広く読まれる);
        EXPECT_TRUE(has("下手：甲"));
        const 読込結果 back = KIFを読む(out.行);
        ASSERT_FALSE(back.エラー);
        EXPECT_EQ(back.記録.開始.p.盤, r.開始.p.盤);
        EXPECT_EQ(back.記録.開始.手番, 後手);
        const 読込結果 csa = CSAを読む(CSA行を書く(r).行);
        EXPECT_EQ(csa.記録.開始.p.盤, r.開始.p.盤);
    }
}

TEST(KIF書式, 決まった名前のない局面は盤面図) {
    対局記録 r;
    r.開始 = SFENの局面("7nl/6gk1/9/9/9/9/9/7+L+R/LNS1K1SN1 w 2B2SNLr2g18p");
    const 書式結果 out = KIF行を書く(r, 文字コード::UTF8);
    const std::vector<std::string> expected = {
        "#KIF version=2.0 encoding=UTF-8",  "後手の持駒：飛　金二　歩十八　",
        "  ９ ８ ７ ６ ５ ４ ３ ２ １",     "+---------------------------+",
        "| ・ ・ ・ ・ ・ ・ ・v桂v香|一",  "| ・ ・ ・ ・ ・ ・v金v玉 ・|二",
        "| ・ ・ ・ ・ ・ ・ ・ ・ ・|三",  "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四",
        "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五",  "| ・ ・ ・ ・ ・ ・ ・ ・ ・|六",
        "| ・ ・ ・ ・ ・ ・ ・ ・ ・|七",  "| ・ ・ ・ ・ ・ ・ ・ 杏 龍|八",
        "| 香 桂 銀 ・ 玉 ・ 銀 桂 ・|九",  "+---------------------------+",
        "先手の持駒：角二　銀二　桂　香　", "後手番",
        "手数----指手---------消費時間--",
    };
    EXPECT_EQ(out.行, expected);
    const 書式結果 csa = CSA行を書く(r);
    ASSERT_GE(csa.行.size(), 13u);
    EXPECT_EQ(csa.行[1], "P1 *  *  *  *  *  *  * -KE-KY");
    EXPECT_EQ(csa.行[8], "P8 *  *  *  *  *  *  * +NY+RY");
    EXPECT_EQ(csa.行[10], "P+00KA00KA00GI00GI00KE00KY");
    EXPECT_EQ(csa.行[11].substr(0, 14), "P-00HI00KI00KI");
    EXPECT_EQ(csa.行[12], "-");
}

// A win by the other side's foul: CSA names the side that fouled.
TEST(CSA書式, 反則勝ちは反則した側の符号) {
    対局記録 r = 短い対局();
    r.終局 = 終局理由::反則勝ち;  // 先手 to move after eight moves: 後手 fouled
    EXPECT_EQ(CSA行を書く(r).行.back(), "%-ILLEGAL_ACTION");
    EXPECT_EQ(KIF行を書く(r, 文字コード::UTF8).行.back(), "まで8手で先手の反則勝ち");
    r.手.pop_back();
    EXPECT_EQ(CSA行を書く(r).行.back(), "%+ILLEGAL_ACTION");
}

TEST(書式, 指せない手は書かない) {
    対局記録 r = 短い対局();
    r.手.push_back(手(5, 9, 5, 7, 0));
    EXPECT_NE(KIF行を書く(r, 文字コード::UTF8).理由.find("move 9"), std::string::npos);
    EXPECT_NE(CSA行を書く(r).理由.find("move 9"), std::string::npos);
}

TEST(書式, 書いて読むと同じ) {
    for (const 終局理由 how :
         {終局理由::なし, 終局理由::中断, 終局理由::投了, 終局理由::詰み, 終局理由::反則勝ち,
          終局理由::反則負け, 終局理由::千日手, 終局理由::持将棋, 終局理由::切れ負け,
          終局理由::入玉勝ち, 終局理由::不詰}) {
        対局記録 r = 短い対局();
        r.終局 = how;
        SCOPED_TRACE(static_cast<int>(how));
        for (const 読込結果& back :
             {KIFを読む(KIF行を書く(r, 文字コード::UTF8).行), CSAを読む(CSA行を書く(r).行)}) {
            ASSERT_FALSE(back.エラー);
            EXPECT_EQ(back.記録.手, r.手);
            EXPECT_EQ(back.記録.終局, how);
            EXPECT_EQ(back.記録.先手名, r.先手名);
            EXPECT_EQ(back.記録.後手名, r.後手名);
            EXPECT_EQ(back.記録.棋戦, r.棋戦);
            EXPECT_EQ(back.記録.開始日時, r.開始日時);
        }
    }
}

}  // namespace
}  // namespace yukora
