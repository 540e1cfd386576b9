#include <gtest/gtest.h>

#include <vector>

#include "display/display.h"
#include "display/display_fixture.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::表示試験::表示環境;

struct 反転環境 : 表示環境 {
    test::表示試験::記録するダイアログ dialog;
    test::表示試験::記録する効果音 sound;
    void 反転() { REVERSE_Click(p, s, view, dialog, sound); }
};

局面 対局中の局面() {
    局面 p = test::局面を作る({{4, 8, -王}, {6, 1, 王}, {3, 7, -歩}, {2, 2, 飛成}, {7, 3, 銀}});
    p.MAN持駒[持駒_歩] = 2;
    p.MAN持駒[持駒_角] = 1;
    p.MAN持駒数 = 3;
    p.COM持駒[持駒_金] = 1;
    p.COM持駒数 = 1;
    return p;
}

TEST(REVERSE, 盤を半回転して駒の持ち主を入れ替える) {
    反転環境 e;
    e.p = 対局中の局面();
    e.s.番.手番 = 1;
    e.s.数.手数 = 12;
    e.s.選択.選択状態 = 1;
    e.s.数.手順番号 = 12;
    e.s.数.手順最終 = 12;
    e.反転();
    EXPECT_EQ(e.p.盤[6][2], 王);   // the bottom king from (4, 8)
    EXPECT_EQ(e.p.盤[4][9], -王);  // the top king from (6, 1)
    EXPECT_EQ(e.p.盤[7][3], 歩);
    EXPECT_EQ(e.p.盤[8][8], -飛成);
    EXPECT_EQ(e.p.盤[3][7], -銀);
    EXPECT_EQ(e.p.盤[4][8], 0);
    EXPECT_EQ(e.p.COM持駒[持駒_歩], 2);
    EXPECT_EQ(e.p.COM持駒[持駒_角], 1);
    EXPECT_EQ(e.p.MAN持駒[持駒_金], 1);
    EXPECT_EQ(e.p.MAN持駒[持駒_歩], 0);
    EXPECT_EQ(e.p.COM持駒数, 3);
    EXPECT_EQ(e.p.MAN持駒数, 1);
    EXPECT_EQ(e.s.番.手番, -1);
    EXPECT_EQ(e.s.番.反転済, 1);
    EXPECT_EQ(e.s.選択.選択状態, 0);
    EXPECT_EQ(e.s.数.手順番号, 0);
    EXPECT_EQ(e.s.数.手順最終, 0);
    EXPECT_EQ(e.sound.鳴った, (std::vector<std::string>{"駒打音.wav"}));
    EXPECT_TRUE(e.dialog.表示した.empty());
    // Repainted, then the move number shown again.
    const auto& calls = e.screen.呼出し;
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.back(), test::表示試験::文字行(9036, 2306, 10, 15, "手目"));
    EXPECT_FALSE(e.screen.絞込("絵 YUKORASHOGI").empty());
}

TEST(REVERSE, 二度で元の局面に戻るが反転済と空の手順は残る) {
    反転環境 e;
    e.p = 対局中の局面();
    const 局面 元 = e.p;
    e.s.番.手番 = -1;
    e.s.数.手順番号 = 5;
    e.s.数.手順最終 = 5;
    e.反転();
    e.反転();
    EXPECT_EQ(e.p.盤, 元.盤);
    EXPECT_EQ(e.p.MAN持駒, 元.MAN持駒);
    EXPECT_EQ(e.p.COM持駒, 元.COM持駒);
    EXPECT_EQ(e.p.MAN持駒数, 元.MAN持駒数);
    EXPECT_EQ(e.p.COM持駒数, 元.COM持駒数);
    EXPECT_EQ(e.s.番.手番, -1);
    EXPECT_EQ(e.s.番.反転済, 1);
    EXPECT_EQ(e.s.数.手順番号, 0);
    EXPECT_EQ(e.s.数.手順最終, 0);
    EXPECT_EQ(e.sound.鳴った.size(), 2u);
}

TEST(REVERSE, 棋譜モードでは断る) {
    反転環境 e;
    e.p = 対局中の局面();
    const 局面 元 = e.p;
    e.s.番.棋譜モード = 1;
    e.s.番.手番 = 1;
    e.s.数.手順最終 = 7;
    e.反転();
    EXPECT_EQ(e.sound.鳴った, (std::vector<std::string>{"禁止.wav"}));
    EXPECT_EQ(e.dialog.表示した, (std::vector<std::string>{"反転: 棋譜ﾓｰﾄﾞではできません"}));
    EXPECT_EQ(e.p.盤, 元.盤);
    EXPECT_EQ(e.s.番.手番, 1);
    EXPECT_EQ(e.s.番.反転済, 0);
    EXPECT_EQ(e.s.数.手順最終, 7);
    EXPECT_TRUE(e.screen.呼出し.empty());
}

TEST(REVERSE, ハンデ設定済ならハンデレベルの符号を変えて描く) {
    反転環境 e;
    test::表示試験::記録する付随 extras;
    e.view.付随設定(&extras);
    e.p = test::初期局面();
    e.s.強さ.ハンデ設定済 = 1;
    e.s.強さ.ハンデレベル = 3;
    e.反転();
    EXPECT_EQ(e.s.強さ.ハンデレベル, -3);
    EXPECT_EQ(extras.呼出し.back(), "ハンデレベル -3");
    EXPECT_EQ(extras.呼出し[extras.呼出し.size() - 2], "ハンデレベル 3");
}

}  // namespace
}  // namespace yukora
