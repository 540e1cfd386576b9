// Whole games and the game menu, driven through the window's own events.
#include <gtest/gtest.h>

#include "flow/flow_fakes.h"
#include "support/board_fixtures.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

TEST(開始, 対局前の押下は断り禁止音を鳴らす) {
    試験台 t;
    t.押す(3, 7);
    EXPECT_EQ(t.dialog.最後(), "開始: 「対局」で始めて下さい");
    EXPECT_EQ(t.鳴った音(), std::vector<std::string>{"禁止.wav"});
    EXPECT_EQ(t.st().進行.選択.選択状態, 0);
}

TEST(開始, 起動時は三の強さに印がつき初期局面) {
    試験台 t;
    EXPECT_TRUE(t.menu.印あり(メニュー操作::LEVEL3));
    EXPECT_EQ(t.st().進行.強さ.レベル, 3);
    EXPECT_EQ(t.st().盤面.盤, test::初期局面().盤);
    EXPECT_EQ(t.st().進行.番.MAN番, -1);
    EXPECT_FALSE(t.screen.絞込("太字").empty());
}

TEST(開始, 起動時に読んだ設定がメニューの印になる) {
    試験台 t;  // no settings file yet: it is written with bamboo and the clocks on
    EXPECT_TRUE(t.menu.印あり(メニュー操作::TAKE));
    EXPECT_TRUE(t.menu.印あり(メニュー操作::KEIKA));
    EXPECT_FALSE(t.menu.印あり(メニュー操作::TATAMI));
    EXPECT_FALSE(t.menu.印あり(メニュー操作::SIDOU));
    EXPECT_FALSE(t.menu.印あり(メニュー操作::BGM));

    const auto bytes = SJISへ変換("背景画=宇宙\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=ON\r\n");
    ASSERT_TRUE(bytes);
    std::ofstream(t.フォルダ / "Yukora将棋1.ini", std::ios::binary) << *bytes;
    t.menu.印.clear();
    t.game =
        std::make_unique<ゲーム>(ゲームの窓口{t.screen, t.clock, t.timer, t.dialog, t.menu, t.panel,
                                              t.音, t.browser, t.version, nullptr, 0});
    t.game->Form_Load(t.フォルダ);
    EXPECT_TRUE(t.menu.印あり(メニュー操作::UCHU));
    EXPECT_TRUE(t.menu.印あり(メニュー操作::SIDOU));
    EXPECT_TRUE(t.menu.印あり(メニュー操作::BGM));
    EXPECT_FALSE(t.menu.印あり(メニュー操作::TAKE));
    EXPECT_FALSE(t.menu.印あり(メニュー操作::KEIKA));
}

TEST(先手, 人が指すとコンピュータが答える) {
    試験台 t;
    t.game->SENTE_Click();
    EXPECT_EQ(t.dialog.最後(), " : MANの番です");
    EXPECT_EQ(t.st().進行.番.MAN番, 1);
    EXPECT_EQ(t.st().進行.番.手番, 1);
    t.押す(3, 7);  // the pawn in front of the bishop
    EXPECT_EQ(t.st().進行.選択.選択状態, 1);
    t.押す(3, 6);
    const 進行状態& s = t.st().進行;
    EXPECT_EQ(t.st().盤面.盤[3][6], -歩);
    EXPECT_EQ(s.数.手数, 2);  // the computer has answered
    EXPECT_EQ(s.数.手順番号, 2);
    EXPECT_EQ(s.番.手番, s.番.MAN番);
    EXPECT_EQ(s.番.勝者, 0);
    int 上の駒 = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) 上の駒 += t.st().盤面.盤[x][y] >= 10;
    EXPECT_EQ(上の駒, 20);
    EXPECT_NE(t.st().盤面.盤, t.st().手順.参照(1).盤);  // the computer's move changed the board
}

// The human's gold ends the game either way: it takes the top king, or it is dropped for mate.
struct 勝ちの手 {
    const char* 名;
    const char* 盤;
    const char* 持駒;
    int 元X, 元Y, 先X, 先Y;
};

const 勝ちの手 勝ちの手の表[] = {
    {"王を取る", R"(
        l . . . . . . . .
        . . . . k . . . .
        . . . . G . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . K . . . .
    )",
     "-", 5, 3, 5, 2},
    // The top king in the corner, boxed in by its lances; the drop on (1, 2) is protected by the
    // lance on (1, 5).
    {"金を打って詰める", R"(
        k l . . . . . . .
        . l . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        L . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . K . . . .
    )",
     "G", 自持駒列, 自持駒の行(持駒_金), 1, 2},
};

void PrintTo(const 勝ちの手& c, std::ostream* os) { *os << c.名; }

class 人の勝ち : public testing::TestWithParam<勝ちの手> {};

TEST_P(人の勝ち, 金で終えると勝ちで次の押下は断る) {
    const 勝ちの手& c = GetParam();
    試験台 t;
    t.game->SENTE_Click();
    t.st().盤面 = test::盤面(c.盤, c.持駒);
    t.押す(c.元X, c.元Y);
    t.押す(c.先X, c.先Y);
    EXPECT_EQ(t.st().盤面.盤[c.先X][c.先Y], -金);
    EXPECT_EQ(t.st().盤面.MAN持駒数, 0);  // the king goes to no hand
    EXPECT_EQ(t.st().進行.番.勝者, t.st().進行.番.MAN番);
    EXPECT_EQ(t.dialog.最後(), "終了: あなたの勝ちです");
    t.押す(1, 1);
    EXPECT_EQ(t.dialog.最後(), "終局: 新規に対局してください");
}

INSTANTIATE_TEST_SUITE_P(先手, 人の勝ち, testing::ValuesIn(勝ちの手の表));

TEST(先手, 終わった対局では新しく始める) {
    試験台 t;
    t.game->SENTE_Click();
    t.st().盤面.盤[5][5] = 飛;
    t.st().進行.番.勝者 = 1;
    t.st().進行.数.手数 = 7;
    t.game->SENTE_Click();
    EXPECT_EQ(t.st().盤面.盤, test::初期局面().盤);
    EXPECT_EQ(t.st().進行.番.勝者, 0);
    EXPECT_EQ(t.st().進行.番.手番, 1);
    EXPECT_EQ(t.st().進行.番.MAN番, 1);
}

TEST(後手, コンピュータが先に指す) {
    試験台 t;
    t.game->GOTE_Click();
    const 進行状態& s = t.st().進行;
    EXPECT_EQ(s.数.手数, 1);
    EXPECT_EQ(s.番.MAN番, -1);
    EXPECT_EQ(s.番.手番, -1);
    EXPECT_NE(t.st().盤面.盤, test::初期局面().盤);
    EXPECT_TRUE(t.timer.on);
}

TEST(スタート, 二人の対局は王を取って終わる) {
    試験台 t;
    t.game->START_Click();
    EXPECT_EQ(t.dialog.最後(), " : 先手の番です");
    const int moves[][5] = {
        {3, 7, 3, 6, 1}, {7, 3, 7, 4, 1},  // both bishops' diagonals open
        {2, 8, 8, 2, 2},                   // bishop takes bishop and promotes (right button)
        {5, 1, 6, 2, 1}, {1, 7, 1, 6, 1},
        {6, 2, 7, 2, 1}, {8, 2, 7, 2, 1},  // the horse takes the king
    };
    for (const auto& m : moves) {
        t.押す(m[0], m[1]);
        t.押す(m[2], m[3], m[4]);
    }
    EXPECT_EQ(t.st().盤面.盤[7][2], -角成);
    EXPECT_EQ(t.st().進行.番.勝者, 1);
    EXPECT_EQ(t.dialog.最後(), "終了: 先手の勝ちです");
    EXPECT_EQ(t.st().盤面.MAN持駒[持駒_角], 1);  // the king goes to no hand
    EXPECT_EQ(t.st().盤面.MAN持駒数, 1);
}

TEST(スタート, 途中の局面を続けて手番を知らせる) {
    試験台 t;
    t.game->START_Click();
    t.押す(3, 7);
    t.押す(3, 6);
    EXPECT_EQ(t.st().進行.番.手番, -1);
    t.game->START_Click();
    EXPECT_EQ(t.dialog.最後(), " : 後手の番です");
    EXPECT_EQ(t.st().盤面.盤[3][6], -歩);
}

TEST(最初, 初期設定して駒音を鳴らす) {
    試験台 t;
    t.game->START_Click();
    t.押す(3, 7);
    t.押す(3, 6);
    t.音を消す();
    t.game->CANCEL_Click();
    EXPECT_EQ(t.st().盤面.盤, test::初期局面().盤);
    EXPECT_EQ(t.st().進行.番.手番, 0);
    EXPECT_EQ(t.鳴った音(), std::vector<std::string>{"駒打音.wav"});
}

TEST(終わり, Escで音を解放して終わる) {
    試験台 t;
    t.game->キー押下('a');
    EXPECT_FALSE(t.終了した);
    t.game->キー押下(27);
    EXPECT_TRUE(t.終了した);
    int freed = 0;
    for (const auto& c : t.音.呼出記録) freed += c.関数 == "dsFree";
    EXPECT_EQ(freed, 4);
    EXPECT_EQ(t.音.呼出記録.back().関数, "dsTerminate");
}

TEST(強さ, 二人の対局では印と値だけ変わる) {
    試験台 t;
    t.game->START_Click();
    t.screen.消去();
    t.game->メニュー選択(メニュー操作::LEVEL2);
    EXPECT_EQ(t.st().進行.強さ.レベル, 2);
    EXPECT_TRUE(t.menu.印あり(メニュー操作::LEVEL2));
    EXPECT_FALSE(t.menu.印あり(メニュー操作::LEVEL3));
    EXPECT_TRUE(t.screen.絞込("文字").empty());
    t.game->SENTE_Click();
    t.screen.消去();
    t.game->メニュー選択(メニュー操作::LEVEL1);
    EXPECT_FALSE(t.screen.絞込("文字").empty());  // the level is drawn in a game against COM
}

TEST(ハンディキャップ, 一手指した後は断る) {
    試験台 t;
    t.game->メニュー選択(メニュー操作::LEBEL_DOWN);
    EXPECT_EQ(t.st().盤面.盤[2][8], 0);
    EXPECT_EQ(t.st().進行.強さ.ハンデ設定済, 1);
    t.game->START_Click();
    t.押す(3, 7);
    t.押す(3, 6);
    t.音を消す();
    t.game->メニュー選択(メニュー操作::LBEL_UP);
    EXPECT_EQ(t.dialog.最後(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定: 対局途中ではできません\n\n局面→最初にして下さい");
    EXPECT_EQ(t.鳴った音(), std::vector<std::string>{"禁止.wav"});
    EXPECT_EQ(t.st().盤面.盤[2][8], 0);
}

}  // namespace
}  // namespace yukora
