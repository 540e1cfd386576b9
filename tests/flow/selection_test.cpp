// What the outlines show of a selection, and which moves of the bottom side may promote.
#include <gtest/gtest.h>

#include "display/grid.h"
#include "flow/flow_fakes.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

// The colour of the last outline drawn round cell (x, y); -1 when none was drawn.
int 最後の輪郭(const 試験台& t, int x, int y) {
    const std::string at = " " + std::to_string(桝のX(x)) + " " + std::to_string(桝のY(y)) + " " +
                           std::to_string(桝のX(x + 1)) + " " + std::to_string(桝のY(y + 1));
    int colour = -1;
    for (const std::string& c : t.screen.絞込("輪郭 "))
        if (c.ends_with(at)) colour = std::stoi(c.substr(std::string("輪郭 ").size()));
    return colour;
}

TEST(持駒, 二歩で断った打ちは持駒の枠も消す) {
    const struct {
        const char* 側;
        bool 上;
        int 列, 行;  // the hand slot of the pawn
    } 場合[] = {
        {"bottom player", false, 自持駒列, 持駒_歩 + 2},
        {"top player", true, 敵持駒列, 8 - 持駒_歩},
    };
    for (const auto& c : 場合) {
        SCOPED_TRACE(c.側);
        試験台 t;
        t.game->START_Click();
        if (c.上) {
            t.押す(9, 7);
            t.押す(9, 6);  // the bottom player moves first
        }
        局面& p = t.st().盤面;
        (c.上 ? p.COM持駒 : p.MAN持駒)[持駒_歩] = 1;
        (c.上 ? p.COM持駒数 : p.MAN持駒数) = 1;
        t.押す(c.列, c.行);
        ASSERT_EQ(t.st().進行.選択.選択状態, 1);
        EXPECT_EQ(最後の輪郭(t, c.列, c.行), 12);
        t.音を消す();
        t.押す(5, 5);  // the fifth file already holds a pawn of that side
        EXPECT_EQ(t.鳴った音(), std::vector<std::string>{"禁止.wav"});
        EXPECT_EQ(t.st().進行.選択.選択状態, 0);
        EXPECT_EQ(p.盤[5][5], 0);
        EXPECT_EQ(最後の輪郭(t, c.列, c.行), 0);  // the slot shows no selection any more
    }
}

TEST(持駒, 先手と後手は持駒の選択を枠ごと消す) {
    for (const メニュー操作 操作 : {メニュー操作::SENTE, メニュー操作::GOTE}) {
        SCOPED_TRACE(std::string(操作名(操作)));
        試験台 t;
        if (!t.st().設定.印.SIDOU) t.game->SIDOU_Click();  // a white outline for the other side
        t.game->START_Click();
        t.押す(3, 7);
        t.押す(3, 6);
        t.押す(7, 3);
        t.押す(7, 4);  // the bottom player to move in a game under way
        局面& p = t.st().盤面;
        p.COM持駒[持駒_歩] = 1;
        p.COM持駒数 = 1;
        t.押す(敵持駒列, 8 - 持駒_歩);  // the other side's pawn, only looked at
        ASSERT_EQ(t.st().進行.選択.選択状態, 1);
        ASSERT_NE(最後の輪郭(t, 敵持駒列, 8 - 持駒_歩), 0);
        t.game->メニュー選択(操作);  // the game goes on against the computer, the human to move
        EXPECT_EQ(t.dialog.最後(), "対局: MANの番です");
        EXPECT_EQ(t.st().進行.選択.選択状態, 0);
        EXPECT_EQ(最後の輪郭(t, 敵持駒列, 8 - 持駒_歩), 0);
    }
}

TEST(成り, 下の銀角飛は敵陣から出る手でも右で成る) {
    const struct {
        int 駒, 元X, 元Y, 先X, 先Y;
        bool 成る;
    } 場合[] = {
        {-銀, 2, 3, 3, 4, true},  // out of the zone, backwards
        {-角, 2, 3, 3, 4, true},  {-飛, 2, 3, 2, 4, true},
        {-銀, 2, 4, 3, 5, false},  // outside the zone altogether
        {-角, 2, 4, 3, 5, false}, {-飛, 2, 4, 2, 5, false},
    };
    for (const auto& c : 場合) {
        SCOPED_TRACE(std::to_string(c.駒) + " from row " + std::to_string(c.元Y));
        試験台 t;
        t.game->START_Click();
        局面& p = t.st().盤面;
        p = test::盤面("4k4/9/9/9/9/9/9/9/4K4");  // the two kings, and the piece
        p.盤[c.元X][c.元Y] = static_cast<駒型>(c.駒);
        t.押す(c.元X, c.元Y);
        t.押す(c.先X, c.先Y, ボタン_右);
        EXPECT_EQ(t.st().盤面.盤[c.先X][c.先Y], c.成る ? c.駒 - 1 : c.駒);
        EXPECT_EQ(t.st().進行.数.手数, 1);
    }
}

}  // namespace
}  // namespace yukora
