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
    return {.元X = 10 - 元f, .元Y = 元r, .先X = 10 - 先f, .先Y = 先r, .成り = 成り, .秒 = 秒};
}
記録の手 打つ(int kind, int f, int r, int 秒) {
    return {.先X = 10 - f, .先Y = r, .打駒 = kind, .秒 = 秒};
}

// Captures, a promotion, a drop, a promotion declined, a move to the square just taken.
対局記録 短い対局() {
    対局記録 r;
    r.開始 = 手合割の局面(*手合割を名前で探す(U"平手"));
    r.見出し = {{"開始日時", "2024/01/02 10:00:00"},
                {"棋戦", "練習対局"},
                {"先手", "先手 太郎"},
                {"後手", "後手 花子"}};
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
        "$START_TIME:2024/01/02 10:00:00",
        "$EVENT:練習対局",
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
        r.見出し = {{"下手", "甲"}};
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

// The short game with a header of its own, comments, a bookmark and two branches.
対局記録 注記つきの対局() {
    対局記録 r = 短い対局();
    r.見出し.push_back({"表題", "研究"});
    r.開始のコメント = {"対局前の一言"};
    r.手[0].コメント = {"一行目", "二行目"};
    r.手[0].栞 = "序盤";
    r.手[2].変化 = {
        {.手 = {手(2, 7, 2, 6, 8)}, .終局 = 終局理由::中断, .終局のコメント = {"ここまで"}}};
    r.手[2].変化[0].手[0].コメント = {"別の手"};
    r.手[6].変化 = {{.手 = {手(4, 5, 6, 3, 2, true), 手(5, 2, 6, 3, 1)}}};
    r.終局のコメント = {"投了まで"};
    r.終局の秒 = 3;
    return r;
}

// What CSA holds of a line: its moves, times and comments, no branches or bookmarks.
手の列 本譜だけ(手の列 line) {
    for (記録の手& m : line.手) {
        m.変化.clear();
        m.栞.clear();
    }
    return line;
}

TEST(書式, 書いて読むと同じ) {
    for (const 終局理由 how :
         {終局理由::なし, 終局理由::中断, 終局理由::投了, 終局理由::詰み, 終局理由::反則勝ち,
          終局理由::反則負け, 終局理由::千日手, 終局理由::持将棋, 終局理由::切れ負け,
          終局理由::入玉勝ち, 終局理由::不詰, 終局理由::封じ手}) {
        対局記録 r = 注記つきの対局();
        r.終局 = how;
        if (how == 終局理由::なし) r.終局のコメント.clear(), r.終局の秒 = 0;
        SCOPED_TRACE(static_cast<int>(how));
        const 読込結果 kif = KIFを読む(KIF行を書く(r, 文字コード::UTF8).行);
        ASSERT_FALSE(kif.エラー) << kif.エラー->行 << ": " << kif.エラー->理由;
        EXPECT_EQ(static_cast<const 手の列&>(kif.記録), static_cast<const 手の列&>(r));
        EXPECT_EQ(kif.記録.見出し, r.見出し);
        EXPECT_EQ(kif.記録.開始のコメント, r.開始のコメント);
        const 読込結果 csa = CSAを読む(CSA行を書く(r).行);
        ASSERT_FALSE(csa.エラー);
        手の列 expected = 本譜だけ(r);
        if (how == 終局理由::封じ手) expected.終局 = 終局理由::中断;  // CSA has no sealed move
        EXPECT_EQ(static_cast<const 手の列&>(csa.記録), expected);
        // CSA names the players first, and has no 表題.
        const std::vector<見出し項目> csa見出し = {{"先手", "先手 太郎"},
                                                   {"後手", "後手 花子"},
                                                   {"開始日時", "2024/01/02 10:00:00"},
                                                   {"棋戦", "練習対局"}};
        EXPECT_EQ(csa.記録.見出し, csa見出し);
    }
}

}  // namespace
}  // namespace yukora
