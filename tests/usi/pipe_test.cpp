// The executable itself, driven through a pipe as a GUI would drive it.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

#include "engine_process.h"

namespace yukora {
namespace {

using test::エンジンを走らせる;

std::vector<std::string> 行に分ける(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(yukoraUSI, 挨拶から終了まで) {
    const auto r = エンジンを走らせる("usi\nisready\nusinewgame\nquit\nisready\n");
    EXPECT_EQ(r.出力,
              "id name Yukora将棋1\n"
              "id author the Yukora project\n"
              "option name Level type spin default 3 min 1 max 3\n"
              "usiok\n"
              "readyok\n");
    EXPECT_EQ(r.終了コード, 0);
}

TEST(yukoraUSI, 入力が尽きれば終わる) {
    const auto r = エンジンを走らせる("isready");  // no newline, no quit
    EXPECT_EQ(r.出力, "readyok\n");
    EXPECT_EQ(r.終了コード, 0);
    EXPECT_EQ(エンジンを走らせる("").終了コード, 0);
}

TEST(yukoraUSI, 初期局面のperft1から3) {
    const auto r = エンジンを走らせる("position startpos\nperft 1\nperft 2\nperft 3\nquit\n");
    EXPECT_EQ(r.出力,
              "info string perft 1 nodes 30\n"
              "info string perft 2 nodes 900\n"
              "info string perft 3 nodes 25470\n");
}

TEST(yukoraUSI, 壊れた入力はどれも誤りを一行知らせ局面を残す) {
    const char* const bad[] = {
        "frobnicate",                                                             // unknown
        "position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/LNSGKGSNL b - 1",  // 8 ranks
        "position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL/9 b - 1",
        "position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGJGSNL b - 1",
        "position sfen lnsg1gsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
        "position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b R 1",
        "position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL q - 1",
        "position startpos moves 7g7f 3c3d 2g2e 8b8z",                              // unparsable
        "position startpos moves 7g7f 3c3d 8h2b+ 2b3c",                             // illegal
        "position startpos moves 7g7f 3c3d 8h2b+ 3a2b P*5e",                        // no pawn
        "position startpos moves 7g7f 3c3d 8h2b+ 3a2b B*3d",                        // occupied
        "position sfen 4k4/2P6/9/9/9/9/9/9/4K4 b - 1 moves 7b7a",                   // must promote
        "position startpos moves 7g7f+",                                            // cannot
    };
    std::string input = "position startpos moves 7g7f\nperft 2\n";
    for (const char* line : bad) input += std::string(line) + "\nperft 2\n";
    input += "quit\n";
    const auto r = エンジンを走らせる(input);
    const auto lines = 行に分ける(r.出力);
    ASSERT_EQ(lines.size(), 1 + 2 * std::size(bad)) << r.出力;
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        EXPECT_TRUE(lines[1 + 2 * i].starts_with("info string error: ")) << bad[i];
        EXPECT_EQ(lines[2 + 2 * i], lines[0]) << bad[i];
    }
    EXPECT_EQ(r.終了コード, 0);
}

TEST(yukoraUSI, でたらめなバイト列でも落ちず固まらない) {
    std::mt19937 rng(8);
    std::string input;
    for (int i = 0; i < 200; ++i) {
        const char* const starts[] = {"position sfen ", "position startpos moves ", "go ",
                                      "setoption name ", "perft ", ""};
        input += starts[rng() % std::size(starts)];
        const int n = static_cast<int>(rng() % 120);
        for (int k = 0; k < n; ++k) {
            const char c = static_cast<char>(rng() % 256);
            input += c == '\n' ? ' ' : c;
        }
        input += '\n';
    }
    input += std::string(100000, 'x') + "\nisready\nquit\n";
    const auto r = エンジンを走らせる(input, 120);
    EXPECT_FALSE(r.時間切れ);
    EXPECT_EQ(r.終了コード, 0);
    EXPECT_TRUE(r.出力.ends_with("readyok\n")) << r.出力.substr(r.出力.size() > 300 ? r.出力.size() - 300 : 0);
}

}  // namespace
}  // namespace yukora
