#include "display/move_caption.h"

#include <gtest/gtest.h>

#include <vector>

#include "display/display_fixture.h"

namespace yukora {
namespace {

using test::表示試験::文字行;
using test::表示試験::絵行;
using test::表示試験::表示環境;
using test::表示試験::輪郭行;

TEST(描画_移動結果, 上側の歩が九筋七段へ) {
    表示環境 e;
    e.view.状態.背景画番号 = 4;
    e.s.番.COM番 = 1;
    e.s.番.MAN番 = -1;
    描画_移動結果(e.view, e.s.番, 1, 1, 7, 歩, 15);
    EXPECT_EQ(e.screen.呼出し,
              (std::vector<std::string>{
                  絵行("HAIKEI_TAKE", -90, 5380), 絵行("HAIKEI_TAKE", 480, 5380),
                  絵行("HAIKEI_TAKE", 1050, 5380), 輪郭行(0, 480, 4720, 1050, 5380),
                  輪郭行(0, 1620, 5380, 2190, 6040), 文字行(195, 5710, 12, 0, "９"),
                  文字行(138, 5644, 12, 15, "９"), 文字行(423, 5710, 12, 0, "七"),
                  文字行(366, 5644, 12, 15, "七"), 文字行(765, 5710, 12, 0, "歩"),
                  文字行(708, 5644, 12, 15, "歩"), 輪郭行(0, 1620, 5380, 2190, 6040)}));
}

TEST(描画_移動結果, 下側の歩が九筋七段へ) {
    表示環境 e;
    e.view.状態.背景画番号 = 4;
    e.s.番.COM番 = 1;
    e.s.番.MAN番 = -1;
    描画_移動結果(e.view, e.s.番, -1, 1, 7, -歩, 15);
    EXPECT_EQ(
        e.screen.呼出し,
        (std::vector<std::string>{絵行("HAIKEI_TAKE", 7890, 1420), 絵行("HAIKEI_TAKE", 8460, 1420),
                                  絵行("HAIKEI_TAKE", 9030, 1420), 文字行(8175, 1750, 12, 0, "９"),
                                  文字行(8118, 1684, 12, 15, "９"), 文字行(8403, 1750, 12, 0, "七"),
                                  文字行(8346, 1684, 12, 15, "七"), 文字行(8745, 1750, 12, 0, "歩"),
                                  文字行(8688, 1684, 12, 15, "歩")}));
}

TEST(描画_移動結果, 手番の値で置き場所が決まる) {
    // MAN番 = 1: the bottom player moves first, and its moves go right of the board.
    表示環境 e;
    e.s.番.MAN番 = 1;
    e.s.番.COM番 = -1;
    描画_移動結果(e.view, e.s.番, 1, 5, 5, -銀成, 15);
    EXPECT_EQ(e.screen.絞込("文字 8688"),
              (std::vector<std::string>{文字行(8688, 1684, 12, 15, "銀成")}));
    EXPECT_EQ(e.screen.絞込("文字 8118"),
              (std::vector<std::string>{文字行(8118, 1684, 12, 15, "５")}));
}

TEST(描画_移動結果, どちらでもない手番は何も描かない) {
    表示環境 e;
    描画_移動結果(e.view, e.s.番, 0, 5, 5, 歩, 15);
    EXPECT_TRUE(e.screen.呼出し.empty());
}

TEST(描画_移動結果, 空の断片は印字されない) {
    表示環境 e;
    描画_移動結果(e.view, e.s.番, e.s.番.COM番, 5, 5, 0, 15);
    EXPECT_EQ(e.screen.絞込("文字").size(), 4u);
}

TEST(消去_移動結果, 側ごとの三桝) {
    表示環境 e;
    e.view.状態.背景画番号 = 5;
    消去_移動結果(e.view, e.s.番, e.s.番.MAN番);
    EXPECT_EQ(e.screen.呼出し, (std::vector<std::string>{絵行("HAIKEI_UCHU", 7890, 1420),
                                                         絵行("HAIKEI_UCHU", 8460, 1420),
                                                         絵行("HAIKEI_UCHU", 9030, 1420)}));
    e.screen.消去();
    消去_移動結果(e.view, e.s.番, e.s.番.COM番);
    EXPECT_EQ(e.screen.絞込("絵").size(), 3u);
    EXPECT_EQ(e.screen.絞込("輪郭").size(), 2u);
    e.screen.消去();
    消去_移動結果(e.view, e.s.番, 0);
    EXPECT_TRUE(e.screen.呼出し.empty());
}

TEST(描画_移動駒種類, 十二ポイントで格子の点に印字) {
    表示環境 e;
    描画_移動駒種類(e.view, -1.6, 8.4, "飛成", 15);
    EXPECT_EQ(e.screen.呼出し, (std::vector<std::string>{文字行(138, 5644, 12, 15, "飛成")}));
}

TEST(取得_棋譜のX座標, 文字数で中央に寄せる) {
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標("あいうえおかきくけこさしすせそたちつ"), 2190);
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標(""), 4242);
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標("先手：ＭＡＮ　後手：ＣＯＭ"), 2760);
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標("abcdefghijkl"), 2874);
}

}  // namespace
}  // namespace yukora
