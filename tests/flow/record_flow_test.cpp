// Saving and loading records in the middle of the game's own events.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>

#include "display/grid.h"
#include "flow/flow_fakes.h"
#include "textfile/sjis.h"

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
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
        ++n;
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
             ASSERT_EQ(t.st().進行.数.手順最終, 2);
             t.dialog.答え = {false};
             t.押す(5, 5);
         }},
        {"最初", [](試験台& t) { t.game->CANCEL_Click(); }},
        {"スタート after the game ended",
         [](試験台& t) {
             t.st().進行.番.勝者 = 1;
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
        if (t.st().進行.番.手番 == 0) t.game->START_Click();
        三手指す(t);
        EXPECT_EQ(保存する(t, "新"), "  : 棋譜を書き込みました");
        EXPECT_EQ(行数(t, "新"), 3 + 2);
    }
}

// The grid column holding the window point X.
int 列(int X) { return static_cast<int>(std::floor((X - 盤原点X) / static_cast<double>(桝幅))); }

TEST(棋譜の見出し, 盤の外に書かれ対局を始めると消える) {
    const struct {
        const char *題, *先手, *後手;
    } 見出し[] = {
        {"名局", "先手さん", "後手さん"},
        // A long title starts left of the top hand's column; a long name runs on past the board.
        {"第七十三期名人戦七番勝負第一局", "先手の名前はとてもとても長くて二十三文字になる",
         "後手"},
    };
    for (const auto& h : 見出し) {
        SCOPED_TRACE(h.題);
        試験台 t;
        t.game->START_Click();
        三手指す(t);
        t.panel.文字[棋譜欄::Text2] = h.題;
        t.panel.文字[棋譜欄::Text3] = h.先手;
        t.panel.文字[棋譜欄::Text4] = h.後手;
        t.game->KIFU_WRITE_Click();
        ASSERT_EQ(保存する(t, "見出し"), "  : 棋譜を書き込みました");
        t.screen.消去();
        t.game->File1_Click("見出し.棋譜");
        // Each header text as printed: its left end, its row, its length in characters.
        struct 印字 {
            int X, Y;
            int 文字数;
        };
        std::vector<印字> 見出し印字;
        for (const char* text : {h.題, h.先手, h.後手}) {
            for (const std::string& c : t.screen.絞込("文字 ")) {
                if (!c.ends_with(std::string(" 12 ") + (text == h.題 ? "12 " : "15 ") + text))
                    continue;
                int X = 0, Y = 0;
                ASSERT_EQ(std::sscanf(c.c_str() + std::string("文字 ").size(), "%d %d", &X, &Y), 2);
                見出し印字.push_back({X, Y, 文字数(text)});
            }
        }
        ASSERT_EQ(見出し印字.size(), 3u);
        constexpr int 全角幅 = 240;  // twips of one full-width character at 12 points
        for (const 印字& p : 見出し印字) {
            // Above the board (row 0) or below it (row 10), never on a square.
            EXPECT_TRUE(p.Y + 全角幅 <= 桝のY(1) || p.Y >= 桝のY(10)) << p.X << " " << p.Y;
        }
        t.screen.消去();
        t.game->START_Click();
        // Every cell of the band below the board that a text reaches, from the window's left
        // edge on, is covered again by the background.
        for (const 印字& p : 見出し印字) {
            if (p.Y != 桝のY(10)) continue;
            for (int c = 列(std::max(p.X, 0)); c <= 列(p.X + 全角幅 * p.文字数 - 1); ++c) {
                const std::string tile =
                    " " + std::to_string(桝のX(c)) + " " + std::to_string(桝のY(10));
                const auto tiles = t.screen.絞込("絵 HAIKEI_");
                EXPECT_TRUE(std::any_of(tiles.begin(), tiles.end(),
                                        [&](const std::string& d) { return d.ends_with(tile); }))
                    << "cell " << c;
            }
        }
    }
}

}  // namespace
}  // namespace yukora
