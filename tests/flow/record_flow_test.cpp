// Saving and loading records in the middle of the game's own events.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>

#include "flow/flow_fakes.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

void 三手指す(試験台& t) {
    const int moves[][4] = {{3, 7, 3, 6}, {7, 3, 7, 4}, {2, 7, 2, 6}};
    for (const auto& m : moves) {
        t.押す(m[0], m[1]);
        t.押す(m[2], m[3]);
    }
}

// "書込", a file name, "RETURN": the box that answers.
std::string 保存する(試験台& t, const std::string& name) {
    t.panel.フォルダ = t.フォルダ.string();
    t.game->KIFU_WRITE_Click();
    t.panel.文字[棋譜欄::Text1] = name;
    t.game->Command1_Click();
    return t.dialog.最後();
}

// Lines of a saved file, or -1 when there is none.
int 行数(const 試験台& t, const std::string& name) {
    std::ifstream in(t.フォルダ / (name + ".棋譜"), std::ios::binary);
    if (!in) return -1;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int n = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++n;
    return n;
}

TEST(棋譜書込, 初期局面に戻した後は前の対局を保存しない) {
    const struct {
        const char* 戻し方;
        std::function<void(試験台&)> 戻す;
    } 場合[] = {
        {"record question answered No",
         [](試験台& t) {
             ASSERT_EQ(保存する(t, "元"), "  : 棋譜を書き込みました");
             t.game->File1_Click("元.棋譜");
             ASSERT_EQ(t.st().進行.手順最終, 2);
             t.dialog.答え = {false};
             t.押す(5, 5);
         }},
        {"最初", [](試験台& t) { t.game->CANCEL_Click(); }},
        {"スタート after the game ended",
         [](試験台& t) {
             t.st().進行.勝者 = 1;
             t.game->START_Click();
         }},
    };
    for (const auto& c : 場合) {
        SCOPED_TRACE(c.戻し方);
        試験台 t;
        t.game->START_Click();
        三手指す(t);
        c.戻す(t);
        ASSERT_EQ(t.st().盤面.盤[3][7], -歩);  // the starting position is on the board
        EXPECT_EQ(保存する(t, "後"), "棋譜保存: 保存するデータがありません");
        EXPECT_EQ(行数(t, "後"), -1);
        // A new game saves its own moves only: after three, the header and two entries.
        if (t.st().進行.手番 == 0) t.game->START_Click();
        三手指す(t);
        EXPECT_EQ(保存する(t, "新"), "  : 棋譜を書き込みました");
        EXPECT_EQ(行数(t, "新"), 3 + 2);
    }
}

}  // namespace
}  // namespace yukora
