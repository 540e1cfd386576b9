#include "panel/record_header.h"

#include <gtest/gtest.h>

#include "panel/panel_fakes.h"

namespace yukora {
namespace {

TEST(見出しを印字, 長さで中央に寄せ題名は薄赤で下に名前は白で上下に) {
    test::棋譜試験::文字を記録する画面 printer;
    見出しを印字(printer, {"十三文字の対局名です１２３", "abc", ""});
    ASSERT_EQ(printer.印字一覧.size(), 3u);
    const test::棋譜試験::印字記録& title = printer.印字一覧[0];
    EXPECT_EQ(title.X, -240);
    EXPECT_EQ(title.Y, 6700);  // the band below the board, row 10
    EXPECT_EQ(title.文字, "十三文字の対局名です１２３");
    EXPECT_EQ(title.色, 12);
    EXPECT_EQ(title.大きさ, 12);
    const test::棋譜試験::印字記録& top = printer.印字一覧[1];
    EXPECT_EQ(top.X, 3900);
    EXPECT_EQ(top.Y, 100);
    EXPECT_EQ(top.色, 15);
    const test::棋譜試験::印字記録& bottom = printer.印字一覧[2];
    EXPECT_EQ(bottom.X, 4242);
    EXPECT_EQ(bottom.Y, 6700);
    EXPECT_EQ(bottom.色, 15);
    EXPECT_EQ(bottom.文字, "");
}

}  // namespace
}  // namespace yukora
