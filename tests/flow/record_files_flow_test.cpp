// Record and settings files that are damaged, huge or odd, through the window's own events.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

#include "flow/flow_fakes.h"
#include "own_format/record_writer.h"
#include "support/real_game.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

// The record of the real game with entries 1..n, entry `bad` made unreadable (0: none).
std::string 実戦の棋譜(int n, int bad) {
    test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    g.s.数.手順最終 = n;
    std::string bytes = 書式_棋譜ファイル(g.list, g.s, {"実戦", "先手", "後手"}).内容.value();
    if (bad > 0) {
        size_t at = 0;
        for (int line = 0; line < 3 + bad - 1; ++line) at = bytes.find('\n', at) + 1;
        bytes[at + 10] = '\xff';  // no Shift-JIS byte
    }
    return bytes;
}

TEST(壊れたファイル, 途中までの棋譜は読めた手まで進めてそこで終わる) {
    試験台 t;
    t.panel.フォルダ = t.フォルダ.string();
    std::ofstream(t.フォルダ / "途中.棋譜", std::ios::binary) << 実戦の棋譜(12, 6);
    t.game->KIFU_READ_Click();
    t.game->File1_Click("途中.棋譜");
    EXPECT_EQ(t.dialog.表示した,
              (std::vector<std::string>{
                  "棋譜: 5手まで読み込みました\n\n6手目にShift-JISでない文字があります",
                  "棋譜: 棋譜を '進 'で進めて下さい"}));
    const test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    for (int i = 1; i <= 5; ++i) {
        t.game->AFTER_Click();
        EXPECT_EQ(t.st().盤面.盤, g.list.参照(i).盤) << i;
    }
    t.game->AFTER_Click();
    EXPECT_EQ(t.dialog.最後(), "進む: 終わり");
}

TEST(壊れたファイル, 百メガの設定ファイルでも読むのは上限までで音楽は一度始まる) {
    試験台 t;
    std::string head;
    while (head.size() + 8 <= 4096) head += "BGM=ON\r\n";
    const auto ini = t.フォルダ / "Yukora将棋1.ini";
    std::ofstream(ini, std::ios::binary) << head;
    ASSERT_EQ(::truncate(ini.c_str(), 100'000'000), 0);
    t.音.呼出記録.clear();
    t.game =
        std::make_unique<ゲーム>(ゲームの窓口{t.screen, t.clock, t.timer, t.dialog, t.menu, t.panel,
                                              t.音, t.browser, t.version, nullptr, 0});
    t.game->Form_Load(t.フォルダ);
    t.game->サウンド準備();
    const auto plays = std::count_if(t.音.呼出記録.begin(), t.音.呼出記録.end(),
                                     [](const auto& c) { return c.関数 == "dsPlayLooping"; });
    EXPECT_EQ(plays, 1);  // the 128 lines within the limit asked for the same music
    EXPECT_TRUE(t.menu.印あり(メニュー操作::BGM));
    EXPECT_EQ(std::filesystem::file_size(ini), 100'000'000u);  // read, not rewritten
}

}  // namespace
}  // namespace yukora
