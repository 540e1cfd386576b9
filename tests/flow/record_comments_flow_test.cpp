// A loaded record's comments and branches beside the move list: shown, edited, saved again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "flow/flow_fakes.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

constexpr const char* 注釈付きの棋譜 =
    "手合割：平手\n"
    "手数----指手---------消費時間--\n"
    "*始めに\n"
    "   1 ７六歩(77)   ( 0:01/00:00:01)\n"
    "*初手\n"
    "   2 ３四歩(33)   ( 0:01/00:00:01)\n"
    "   3 ２六歩(27)   ( 0:01/00:00:02)\n"
    "\n"
    "変化：2手\n"
    "   2 ８四歩(83)   ( 0:01/00:00:01)\n";

TEST(棋譜のコメント, 読んで直して保存して読むと残る) {
    試験台 t;
    t.選ぶ(メニュー操作::KIFULIST);
    std::ofstream(t.フォルダ / "a.kifu") << 注釈付きの棋譜;
    t.game->ファイルを開く((t.フォルダ / "a.kifu").string());
    t.game->手順選択(1);
    ASSERT_EQ(t.棋譜リスト.コメント, "初手");
    t.game->コメント編集("直した\n二行");
    t.desktop.保存答え = 保存先{(t.フォルダ / "b.kif").string(), 棋譜形式::KIF};
    t.game->KIFU_SAVE_AS_Click();
    t.game->ファイルを開く((t.フォルダ / "b.kif").string());

    const struct {
        int 行;
        std::string コメント;
    } 場合[] = {{0, "始めに"}, {1, "直した\n二行"}, {2, ""}};
    for (const auto& c : 場合) {
        t.game->手順選択(c.行);
        EXPECT_EQ(t.棋譜リスト.コメント, c.コメント) << c.行;
        EXPECT_TRUE(t.棋譜リスト.書ける);
    }
    EXPECT_EQ(t.棋譜リスト.見える行(), (std::vector<std::string>{"開始局面", "▲７六歩(77)",
                                                                 ">△３四歩(33) +", "▲２六歩(27)"}));
}

// Choosing a branch replays it, without a box, and keeps the line it replaced through save
// and load.
TEST(棋譜の変化, 選ぶと指した手と入れ替わり保存しても残る) {
    試験台 t;
    t.選ぶ(メニュー操作::KIFULIST);
    std::ofstream(t.フォルダ / "a.kifu") << 注釈付きの棋譜;
    t.game->ファイルを開く((t.フォルダ / "a.kifu").string());
    t.game->手順選択(2);
    EXPECT_EQ(t.棋譜リスト.変化, (std::vector<std::string>{"△３四歩(33)", "△８四歩(83)"}));
    const std::size_t boxes = t.dialog.表示した.size();
    t.game->変化選択(1);
    EXPECT_EQ(t.棋譜リスト.見える行(),
              (std::vector<std::string>{"開始局面", "▲７六歩(77)", ">△８四歩(83) +"}));
    EXPECT_EQ(t.棋譜リスト.変化, (std::vector<std::string>{"△８四歩(83)", "△３四歩(33)"}));
    EXPECT_EQ(t.dialog.表示した.size(), boxes);

    t.desktop.保存答え = 保存先{(t.フォルダ / "b.kif").string(), 棋譜形式::KIF};
    t.game->KIFU_SAVE_AS_Click();
    t.game->ファイルを開く((t.フォルダ / "b.kif").string());
    t.game->手順選択(2);
    EXPECT_EQ(t.棋譜リスト.変化, (std::vector<std::string>{"△８四歩(83)", "△３四歩(33)"}));
}

// A game continued from a loaded record at 後手's move: 後手 moves, whoever loaded what before.
TEST(棋譜から対局, 後手の番なら後手が指す) {
    const struct {
        const char* 場合;
        メニュー操作 対局;
        std::string 二手目;
    } 場合[] = {{"スタート: the top side is clicked", メニュー操作::START, "△１四歩(13)"},
                {"先手: the computer answers as 後手", メニュー操作::SENTE, "△"}};
    for (const auto& c : 場合) {
        試験台 t;
        t.選ぶ(メニュー操作::KIFULIST);
        std::ofstream(t.フォルダ / "a.kifu") << 注釈付きの棋譜;
        t.game->ファイルを開く((t.フォルダ / "a.kifu").string());
        t.game->手順選択(1);
        t.選ぶ(c.対局);
        t.窓で押す(9, 3), t.窓で押す(9, 4);
        const std::vector<std::string> rows = t.棋譜リスト.見える行();
        ASSERT_EQ(rows.size(), 3u) << c.場合;
        EXPECT_EQ(rows[2].substr(0, c.二手目.size() + 1), ">" + c.二手目) << c.場合;
    }
}

// A comment changed is a change: the record is kept as last-game.kif when the program ends.
TEST(棋譜のコメント, 直しただけでも終わりに残す) {
    試験台 t, next;
    t.選ぶ(メニュー操作::KIFULIST);
    std::ofstream(t.フォルダ / "a.kifu") << 注釈付きの棋譜;
    t.game->ファイルを開く((t.フォルダ / "a.kifu").string());
    t.game->手順選択(1);
    t.game->コメント編集("直した");
    t.game->閉じる();
    std::filesystem::copy_file(t.フォルダ / "last-game.kif", next.フォルダ / "last-game.kif");
    next.選ぶ(メニュー操作::KIFULIST);
    next.選ぶ(メニュー操作::LAST_GAME);
    next.game->手順選択(1);
    EXPECT_EQ(next.棋譜リスト.コメント, "直した");
}

}  // namespace
}  // namespace yukora
