// The USI texts both ways: the lines an engine prints read, the lines sent to it written.
#include <gtest/gtest.h>

#include "engine/engine_lines.h"
#include "engine/usi_commands.h"
#include "rules/sfen.h"
#include "rules/usi_notation.h"

namespace yukora {
namespace {

// A line read, summed up as one text: its kind and every field it gave.
std::string 要約(std::string_view line) {
    const エンジン出力 o = エンジン行を読む(line);
    using 種 = 出力の種類;
    switch (o.種類) {
        case 種::id名前: return "name " + o.文字;
        case 種::id作者: return "author " + o.文字;
        case 種::usiok: return "usiok";
        case 種::readyok: return "readyok";
        case 種::その他: return "-";
        case 種::bestmove:
            return o.最善.種類 == 答えの種類::投了   ? "resign"
                   : o.最善.種類 == 答えの種類::勝ち ? "win"
                                                     : "move " + o.最善.手;
        case 種::選択肢: {
            const エンジンの選択肢& c = o.選択肢;
            std::string s = "option [" + c.名前 + "] " + std::to_string(static_cast<int>(c.型)) +
                            " [" + c.既定 + "] " + std::to_string(c.最小) + ".." +
                            std::to_string(c.最大);
            for (const std::string& v : c.候補) s += " |" + v;
            return s;
        }
        case 種::info: {
            const 読み筋& i = o.情報;
            std::string s = "info";
            if (i.深さ) s += " d" + std::to_string(*i.深さ);
            if (i.ノード数) s += " n" + std::to_string(*i.ノード数);
            if (i.multipv != 1) s += " m" + std::to_string(i.multipv);
            if (i.評価)
                s += (i.評価->詰み ? (i.評価->勝ち ? " mate+" : " mate-") : " cp") +
                     std::to_string(i.評価->値);
            for (const std::string& m : i.pv) s += " " + m;
            if (!i.文字列.empty()) s += " [" + i.文字列 + "]";
            return s;
        }
    }
    return "?";
}

TEST(エンジンの行, 種類と値を読む) {
    const std::pair<const char*, const char*> 表[] = {
        {"id name Yukora将棋1", "name Yukora将棋1"},
        {"id author  A. N. Other \r", "author A. N. Other"},
        {"usiok", "usiok"},
        {"readyok\r", "readyok"},
        {"bestmove 7g7f", "move 7g7f"},
        {"bestmove 8h2b+ ponder 3a2b", "move 8h2b+"},
        {"bestmove resign", "resign"},
        {"bestmove win", "win"},
        {"bestmove", "-"},
        {"option name USI_Hash type spin default 256 min 1 max 1024",
         "option [USI_Hash] 1 [256] 1..1024"},
        {"option name Ponder type check default true", "option [Ponder] 0 [true] 0..0"},
        {"option name Style type combo default Normal var Solid var Normal var Risky",
         "option [Style] 2 [Normal] 0..0 |Solid |Normal |Risky"},
        {"option name Clear Hash type button", "option [Clear Hash] 3 [] 0..0"},
        {"option name Book File type filename default <empty>", "option [Book File] 5 [] 0..0"},
        {"option name Greeting type string default good luck",
         "option [Greeting] 4 [good luck] 0..0"},
        {"option name X type spin default high min 1 max 2", "-"},
        {"option name X type spin default 1 min 5 max 2", "-"},
        {"option name X type colour default red", "-"},
        {"option type check default true", "-"},
        {"info depth 12 seldepth 20 nodes 123456 score cp -35 pv 7g7f 3c3d",
         "info d12 n123456 cp-35 7g7f 3c3d"},
        {"info multipv 2 score mate 5 pv 2b3c+", "info m2 mate+5 2b3c+"},
        {"info score mate -3", "info mate-3"},
        {"info score mate + nodes 10", "info n10 mate+0"},
        {"info score cp 20 lowerbound depth 3", "info d3 cp20"},
        {"info depth x nodes 5", "info n5"},
        {"info string depth 3 is fine", "info [depth 3 is fine]"},
        {"hello there", "-"},
        {"", "-"},
    };
    for (const auto& [line, expected] : 表) EXPECT_EQ(要約(line), expected) << line;
}

TEST(エンジンの行, 文字でない行を見分ける) {
    const std::pair<std::string, bool> 表[] = {
        {"info string 日本語も読める", false},
        {"bestmove 7g7f\r", false},
        {"info\tdepth 1", false},
        {std::string("info\0depth", 10), true},
        {"\x1b[31mred", true},
        {"\xff\xfe bad", true},
        {"\x82\xa0 shift-jis", true},
    };
    for (const auto& [line, garbage] : 表) EXPECT_EQ(文字でない行か(line), garbage) << line;
}

手番付き局面 局面(const char* board, const char* side, const char* hands) {
    手番付き局面 pos;
    EXPECT_EQ(SFEN読込(board, side, hands, pos), "");
    return pos;
}

TEST(エンジンへの行, 命令を書く) {
    const 手番付き局面 平手 = 平手局面();
    const 手番付き局面 玉だけ = 局面("4k4/9/9/9/9/9/9/9/4K4", "w", "2P");
    const std::vector<std::string> 二手{"7g7f", "3c3d"}, 歩打ち{"P*5e"};
    const std::pair<std::string, std::string> 表[] = {
        {setoption命令("USI_Hash", "256"), "setoption name USI_Hash value 256"},
        {setoption命令("Book File", "/a b/c.db"), "setoption name Book File value /a b/c.db"},
        {setoption命令("Clear Hash", "", true), "setoption name Clear Hash"},
        {position命令(平手, {}), "position startpos"},
        {position命令(平手, 二手), "position startpos moves 7g7f 3c3d"},
        {position命令(玉だけ, 歩打ち), "position sfen 4k4/9/9/9/9/9/9/9/4K4 w 2P 1 moves P*5e"},
        {gameover命令(勝敗::勝ち), "gameover win"},
        {gameover命令(勝敗::負け), "gameover lose"},
        {gameover命令(勝敗::引き分け), "gameover draw"},
    };
    for (const auto& [written, expected] : 表) EXPECT_EQ(written, expected);
}

TEST(USIの手, 読んで書くと同じになり読めない手は断る) {
    for (const char* text : {"7g7f", "8h2b+", "P*5e", "R*1a", "1i9a"}) {
        指定の手 m;
        ASSERT_TRUE(USI手を読む(text, m)) << text;
        EXPECT_EQ(USI手を書く(m), text);
    }
    for (const char* text : {"", "7g7", "7g7f=", "K*5e", "0a1b", "7j7f", "P*5e+", "7g7f+x"}) {
        指定の手 m;
        EXPECT_FALSE(USI手を読む(text, m)) << text;
    }
}

}  // namespace
}  // namespace yukora
