// Lines of play: a game that leaves a record keeps the record's line as a branch, and choosing
// a branch twice gives the record back.
#include <gtest/gtest.h>

#include "formats/branch_choice.h"
#include "formats/file_formats.h"
#include "formats/record_notes.h"

namespace yukora {
namespace {

対局記録 KIF(const std::string& moves) {
    const 読込結果 r = 棋譜を読む("手合割：平手\n手数----指手--\n" + moves, 棋譜形式::KIFU);
    EXPECT_FALSE(r.エラー) << moves;
    return r.記録;
}

const std::string 元 =
    "1 ７六歩(77)\n2 ３四歩(33)\n*三四\n3 ２六歩(27)\n\n変化：2手\n2 ８四歩(83)\n*八四\n";

TEST(変化, 外れた手には元の筋が変化で残る) {
    const struct {
        std::string 対局;
        std::vector<std::string> 二手目;  // the moves that may stand as move 2 afterwards
        std::string 二手目のコメント;
    } 場合[] = {
        {"1 ７六歩(77)\n2 １四歩(13)\n", {"△１四歩(13)", "△３四歩(33)", "△８四歩(83)"}, ""},
        {"1 ７六歩(77)\n2 ８四歩(83)\n3 ２六歩(27)\n", {"△８四歩(83)", "△３四歩(33)"}, "八四"},
        {"1 ７六歩(77)\n2 ３四歩(33)\n3 ２六歩(27)\n4 ８四歩(83)\n",
         {"△３四歩(33)", "△８四歩(83)"},
         "三四"},
    };
    for (const auto& c : 場合) {
        対局記録 game = KIF(c.対局);
        注釈を写す(KIF(元), game);
        EXPECT_EQ(変化の候補(game, 2), c.二手目) << c.対局;
        EXPECT_EQ(game.手[1].コメント,
                  (c.二手目のコメント.empty() ? std::vector<std::string>{}
                                              : std::vector<std::string>{c.二手目のコメント}));
    }
}

TEST(変化, 選んで選び直すと元に戻る) {
    const 対局記録 r = KIF(元);
    対局記録 chosen = r;
    ASSERT_TRUE(変化を本線に(chosen, 2, 1));
    EXPECT_EQ(chosen.手.size(), 2u);
    EXPECT_EQ(変化の候補(chosen, 2), (std::vector<std::string>{"△８四歩(83)", "△３四歩(33)"}));
    EXPECT_FALSE(変化を本線に(chosen, 2, 2));
    EXPECT_FALSE(変化を本線に(chosen, 1, 1));
    ASSERT_TRUE(変化を本線に(chosen, 2, 1));
    EXPECT_TRUE(static_cast<const 手の列&>(chosen) == r);
}

}  // namespace
}  // namespace yukora
