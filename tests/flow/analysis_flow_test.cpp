// 検討 through the game's own events, on a fake engine: the lines shown, the position sent
// again at each step, and Esc.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/engines_ini.h"
#include "flow/flow_fakes.h"

namespace yukora {
namespace {

void エンジンを登録する(test::進行試験::試験台& t) {
    エンジン設定 set;
    set.一覧.push_back({1, "E", "", "/opt/e", {}});
    set.対局エンジン = 1;
    書込_エンジン設定(t.フォルダ.string(), set);
}

TEST(検討, 二つの筋を示し一手ごとに考え直しEscで止まる) {
    test::進行試験::試験台 t;
    エンジンを登録する(t);
    std::filesystem::copy_file(std::string(GAMES_DIR) + "/real-game-1.csa",
                               t.フォルダ / "実戦.csa");
    t.panel.フォルダ = t.フォルダ.string();
    t.game->File1_Click("実戦.csa");

    t.選ぶ(メニュー操作::KENTOU_PV2);
    t.選ぶ(メニュー操作::KENTOU);
    test::偽のプロセス& e = *t.プロセス.at(0);
    e.出す({"id name E", "option name MultiPV type spin default 1 min 1 max 10", "usiok"});
    e.出す({"readyok"});
    EXPECT_EQ(e.書いた行("setoption"), std::vector<std::string>{"setoption name MultiPV value 2"});
    EXPECT_EQ(e.書いた行("go"), std::vector<std::string>{"go infinite"});
    e.出す({"info depth 3 multipv 1 score cp 120 pv 7g7f 3c3d",
            "info depth 3 multipv 2 score cp -30 pv 2g2f"});
    EXPECT_EQ(t.棋譜リスト.検討, (std::vector<std::string>{"1  深さ 3  評価値 +120  ７六歩 ３四歩",
                                                           "2  深さ 3  評価値 -30  ２六歩"}));

    t.選ぶ(メニュー操作::AFTER);  // ▲７六歩: the engine stops, then thinks about the next one
    EXPECT_EQ(e.書いた.back(), "stop");
    e.出す({"bestmove 7g7f"});
    const auto positions = e.書いた行("position");
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_EQ(positions[1],
              "position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 1");
    EXPECT_EQ(e.書いた行("go").size(), 2u);

    t.game->キー押下(キー_Esc);
    EXPECT_TRUE(e.終えた);
    EXPECT_TRUE(t.棋譜リスト.検討.empty());
    EXPECT_FALSE(t.終了した) << "Esc ended 検討, not the program";
    t.game->キー押下(キー_Esc);
    EXPECT_TRUE(t.終了した);
}

// The list shown, an engine registered and a game of ▲７六歩 △３四歩.
void 二手指す(test::進行試験::試験台& t) {
    エンジンを登録する(t);
    t.選ぶ(メニュー操作::KIFULIST);
    t.選ぶ(メニュー操作::START);
    t.窓で押す(3, 7), t.窓で押す(3, 6);
    t.窓で押す(7, 3), t.窓で押す(7, 4);
}

// Each position in turn; the graph takes the scores for the bottom side, the list marks a move
// after which the mover's score fell.
TEST(棋譜解析, 局面ごとの評価がグラフになる) {
    test::進行試験::試験台 t;
    二手指す(t);
    t.選ぶ(メニュー操作::KAISEKI3);
    test::偽のプロセス& e = *t.プロセス.at(0);
    e.出す({"usiok"});
    e.出す({"readyok"});
    EXPECT_EQ(t.棋譜リスト.進み, std::pair(0, 3));
    e.出す({"info depth 5 score cp 100 pv 7g7f", "bestmove 7g7f"});
    e.出す({"info depth 5 score cp 500 pv 3c3d", "bestmove 3c3d"});  // 後手 to move: -500
    e.出す({"info depth 5 score mate 3 pv 2g2f", "bestmove 2g2f"});
    EXPECT_EQ(e.書いた行("go").front(), "go btime 0 wtime 0 byoyomi 3000");
    EXPECT_EQ(t.棋譜リスト.点, (std::vector<形勢点>{{0, 100}, {1, -500}, {2, 30000, true}}));
    EXPECT_EQ(t.棋譜リスト.進み, std::pair(0, 0)) << "done";
    EXPECT_TRUE(e.終えた);
    EXPECT_TRUE(t.棋譜リスト.行.行[1].崩れ) << "▲７六歩 lost 600";
    EXPECT_TRUE(t.棋譜リスト.行.行[2].崩れ) << "△３四歩 let ▲ mate";
}

// The engine's better move on the move that lost ground of a game played here, once though
// analysed twice, read back from the game saved.
TEST(棋譜解析, 崩れた手に最善手を書き保存しても残る) {
    test::進行試験::試験台 t;
    二手指す(t);
    for (std::size_t run = 0; run < 2; ++run) {
        t.選ぶ(メニュー操作::KAISEKI1);
        test::偽のプロセス& e = *t.プロセス.at(run);
        e.出す({"usiok"});
        e.出す({"readyok"});
        e.出す({"info depth 5 score cp 100 pv 2g2f 8c8d", "bestmove 2g2f"});
        e.出す({"info depth 5 score cp 500 pv 3c3d", "bestmove 3c3d"});
        e.出す({"info depth 5 score cp 0 pv 2g2f", "bestmove 2g2f"});
    }
    t.desktop.保存答え = 保存先{(t.フォルダ / "a.kif").string(), 棋譜形式::KIF};
    t.game->KIFU_SAVE_AS_Click();
    t.game->ファイルを開く((t.フォルダ / "a.kif").string());
    t.game->手順選択(1);
    EXPECT_EQ(t.棋譜リスト.コメント, "解析：最善手 ▲２六歩 評価値 +100（E）");
    t.game->手順選択(2);
    EXPECT_EQ(t.棋譜リスト.コメント, "") << "the engine played △３四歩 too";
}

}  // namespace
}  // namespace yukora
