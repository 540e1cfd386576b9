// "進" steps only into positions of the game on the board, whatever turned or continued it.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "flow/flow_fakes.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

void 指す(試験台& t, const std::vector<std::array<int, 4>>& moves) {
    for (const auto& m : moves) {
        t.押す(m[0], m[1]);
        t.押す(m[2], m[3]);
    }
}

// A two-player game of four moves, then "最初": the move list keeps that game's positions,
// which no later game may show.
void 前の対局を残す(試験台& t) {
    t.game->START_Click();
    指す(t, {{3, 7, 3, 6}, {7, 3, 7, 4}, {2, 7, 2, 6}, {8, 3, 8, 4}, {2, 6, 2, 5}});
    t.game->CANCEL_Click();
}

TEST(進, 反転や続行の後もこの対局にない局面へは進まない) {
    const struct {
        const char* 場合;
        std::function<void(試験台&)> 操作;
    } 場合[] = {
        {"turned, then 先手",
         [](試験台& t) {
             t.game->START_Click();
             指す(t, {{3, 7, 3, 6}, {7, 3, 7, 4}, {2, 7, 2, 6}});
             t.選ぶ(メニュー操作::REVERSE);
             t.game->SENTE_Click();
         }},
        {"turned, then 後手",
         [](試験台& t) {
             t.game->START_Click();
             指す(t, {{3, 7, 3, 6}, {7, 3, 7, 4}, {2, 7, 2, 6}});
             t.選ぶ(メニュー操作::REVERSE);
             t.game->GOTE_Click();
         }},
        {"turned, played on, 先手 again",
         [](試験台& t) {
             t.game->START_Click();
             指す(t, {{3, 7, 3, 6}});
             t.選ぶ(メニュー操作::REVERSE);
             t.game->SENTE_Click();
             指す(t, {{2, 7, 2, 6}});  // the computer answers
             t.game->SENTE_Click();
         }},
        {"先手 again in the middle, then 戻",
         [](試験台& t) {
             前の対局を残す(t);
             t.game->SENTE_Click();
             指す(t, {{3, 7, 3, 6}});
             t.game->SENTE_Click();
             t.game->REPLAY_Click();
         }},
        {"後手 again in the middle, then 戻",
         [](試験台& t) {
             前の対局を残す(t);
             t.game->GOTE_Click();
             指す(t, {{3, 7, 3, 6}});
             t.game->GOTE_Click();
             t.game->REPLAY_Click();
         }},
        {"戻 twice, then 先手: the later moves are given up",
         [](試験台& t) {
             t.game->SENTE_Click();
             指す(t, {{3, 7, 3, 6}});
             t.game->REPLAY_Click();
             t.game->REPLAY_Click();
             t.game->SENTE_Click();
         }},
    };
    for (const auto& c : 場合) {
        SCOPED_TRACE(c.場合);
        試験台 t;
        c.操作(t);
        const 盤型 before = t.st().盤面.盤;
        const int 手数 = t.st().進行.数.手数;
        ASSERT_NE(t.st().進行.番.手番, 0);
        t.game->AFTER_Click();
        EXPECT_EQ(t.dialog.最後(), "進む: できません");
        EXPECT_EQ(t.st().盤面.盤, before);
        EXPECT_EQ(t.st().進行.数.手数, 手数);
    }
}

TEST(進, 続行した対局を戻して進めば元の局面に戻る) {
    試験台 t;
    t.game->SENTE_Click();
    指す(t, {{3, 7, 3, 6}, {2, 7, 2, 6}});  // the computer answers each
    t.game->SENTE_Click();
    t.game->REPLAY_Click();
    t.game->REPLAY_Click();
    // The position after the third move is stored; the one after the fourth never was.
    const 盤型 三手目 = t.st().手順.参照(3).盤;
    t.game->AFTER_Click();
    EXPECT_EQ(t.st().盤面.盤, 三手目);
    EXPECT_EQ(t.st().進行.数.手数, 3);
    t.game->AFTER_Click();
    EXPECT_EQ(t.dialog.最後(), "進む: できません");
    EXPECT_EQ(t.st().盤面.盤, 三手目);
}

TEST(反転, 先手で続けた盤を保存すると手のない棋譜になる) {
    試験台 t;
    t.game->START_Click();
    指す(t, {{3, 7, 3, 6}, {7, 3, 7, 4}, {2, 7, 2, 6}});
    t.選ぶ(メニュー操作::REVERSE);
    t.game->SENTE_Click();
    t.panel.フォルダ = t.フォルダ.string();
    t.game->KIF_WRITE_Click();
    t.panel.文字[棋譜欄::Text1] = "反転.kif";
    t.game->Command1_Click();
    ASSERT_EQ(t.dialog.最後(), "  : 棋譜を書き込みました");
    t.game->KIFU_READ_Click();
    t.game->File1_Click("反転.kif");
    t.game->AFTER_Click();
    EXPECT_EQ(t.dialog.最後(), "進む: 終わり");
}

}  // namespace
}  // namespace yukora
