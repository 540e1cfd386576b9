// What "go" answers through the pipe: resigning, the info line, MultiPV.
#include <gtest/gtest.h>

#include <sstream>

#include "engine_process.h"
#include "usi/position_command.h"
#include "usi_test_support.h"

namespace yukora {
namespace {

using test::エンジンを走らせる;
using test::行に分ける;

// One info line of the form "info depth 1 seldepth 1 [multipv k] nodes N score <cp X | mate Y>
// pv <move>", taken apart; 形どおり is false when the line has any other form.
struct 情報 {
    bool 形どおり = false;
    int multipv = 0;
    long nodes = -1;
    std::string 評価値, pv;
};

情報 読む(const std::string& line) {
    情報 r;
    std::istringstream in(line);
    std::string w[6], key, kind, value, pv;
    for (auto& s : w) in >> s;
    bool ok = w[0] == "info" && w[1] == "depth" && w[2] == "1" && w[3] == "seldepth" && w[4] == "1";
    if (w[5] == "multipv") {
        in >> r.multipv >> key;
    } else {
        key = w[5];
    }
    std::string score;
    in >> r.nodes >> score >> kind >> value >> pv >> r.pv;
    r.評価値 = kind + " " + value;
    r.形どおり = ok && key == "nodes" && in && in.eof() && r.nodes > 0 && score == "score" &&
                 (kind == "cp" || kind == "mate") && pv == "pv";
    return r;
}

TEST(yukoraUSI, 王をどう動かしても取られる局面では読み筋を見せて投了する) {
    struct 例 {
        const char* position;
        const char* pv;  // the computer's own choice, still shown
    };
    const 例 cases[] = {
        {"sfen 4k4/9/4P4/9/9/9/9/9/4K4 b G 1 moves G*5b", "5a6a"},   // mated
        {"sfen 4k4/9/4P4/9/9/9/9/9/4K4 b Gp 1 moves G*5b", "5a6a"},  // a pawn in hand is no help
        {"sfen 4k2r1/9/9/9/9/9/8p/9/8K b - 1", "1i1h"},  // not in check; only king moves into it
        {"sfen 4k3r/9/9/9/9/9/9/6g2/8K b - 1", "1i1h"},  // a rook check, nothing in hand
    };
    std::string input;
    for (const auto& c : cases) {
        input += std::string("position ") + c.position + "\ngo\n";
        USI局面 pos;
        ASSERT_EQ(position命令を読む(c.position, pos), "");
        input += "position sfen " + test::SFEN反転(SFEN書込(pos)) + "\ngo\n";  // mirrored
    }
    const auto lines = 行に分ける(エンジンを走らせる(input + "quit\n").出力);
    ASSERT_EQ(lines.size(), 3 * 2 * std::size(cases));
    for (std::size_t i = 0; i < 2 * std::size(cases); ++i) {
        const auto& c = cases[i / 2];
        const 情報 info = 読む(lines[3 * i]);
        EXPECT_TRUE(info.形どおり) << lines[3 * i];
        EXPECT_EQ(info.評価値, "mate -1") << c.position;
        EXPECT_EQ(info.pv, i % 2 == 0 ? c.pv : test::指し手反転(c.pv)) << c.position;
        EXPECT_EQ(lines[3 * i + 1], "info string score -9998.0");
        EXPECT_EQ(lines[3 * i + 2], "bestmove resign") << c.position;
    }
}

TEST(yukoraUSI, 逃れる手が一つでもあれば探索の手を指す) {
    struct 例 {
        const char* position;
        const char* move;
        const char* 評価値;
    };
    const 例 cases[] = {
        {"sfen 4k4/9/9/9/9/9/9/9/4K4 b G 1 moves G*5b", "5a5b", nullptr},  // take the gold
        {"sfen 4k3r/9/9/9/9/9/9/6g2/8K b G 1", nullptr, nullptr},          // a drop blocks
        {"sfen 4k3r/9/9/9/9/9/7p1/4R1g2/8K b - 1", "5h5a+", "mate 1"},     // take the king
        {"sfen 4k4/9/9/9/9/9/4p4/9/4K4 w g 1", "G*5h", "mate 1"},          // a mating drop
    };
    std::string input;
    for (const auto& c : cases) input += std::string("position ") + c.position + "\ngo\n";
    const auto lines = 行に分ける(エンジンを走らせる(input + "quit\n").出力);
    ASSERT_EQ(lines.size(), 3 * std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const 情報 info = 読む(lines[3 * i]);
        EXPECT_TRUE(info.形どおり) << lines[3 * i];
        EXPECT_EQ(lines[3 * i + 2], "bestmove " + info.pv) << cases[i].position;
        if (cases[i].move) {
            EXPECT_EQ(info.pv, cases[i].move);
        }
        if (cases[i].評価値) {
            EXPECT_EQ(info.評価値, cases[i].評価値);
        }
    }
}

TEST(yukoraUSI, 初期局面のMultiPV3は良い順に三行で一行目が指す手) {
    const auto r = エンジンを走らせる(
        "usi\nsetoption name USI_Hash value 256\nsetoption name USI_Ponder value false\n"
        "position startpos\ngo\nsetoption name MultiPV value 3\ngo\nquit\n");
    auto lines = 行に分ける(r.出力);
    ASSERT_EQ(lines.size(), 5u + 3u + 5u) << r.出力;  // usi's answer, one go, the other
    EXPECT_EQ(lines[3], "option name MultiPV type spin default 1 min 1 max 10");
    const 情報 single = 読む(lines[5]);
    EXPECT_EQ(lines[7], "bestmove 7g7f");
    ASSERT_EQ(single.pv, "7g7f");
    int last = 1 << 30;
    std::vector<std::string> pvs;
    for (int k = 1; k <= 3; ++k) {
        const 情報 info = 読む(lines[7 + k]);
        EXPECT_TRUE(info.形どおり) << lines[7 + k];
        EXPECT_EQ(info.multipv, k);
        ASSERT_TRUE(info.評価値.starts_with("cp ")) << lines[7 + k];
        const int cp = std::stoi(info.評価値.substr(3));
        EXPECT_LE(cp, last) << lines[7 + k];
        last = cp;
        pvs.push_back(info.pv);
    }
    EXPECT_EQ(pvs[0], single.pv);
    EXPECT_EQ(読む(lines[8]).評価値, single.評価値);
    EXPECT_NE(pvs[1], pvs[0]);
    EXPECT_NE(pvs[2], pvs[1]);
    EXPECT_NE(pvs[2], pvs[0]);
    EXPECT_EQ(lines[11], lines[6]);  // the exact score of the move played
    EXPECT_EQ(lines[12], "bestmove 7g7f");
}

TEST(yukoraUSI, MultiPVは候補の数までで同点は探索の順) {
    // Three king moves, all into check: equal scores, in the order the search tries them.
    const auto r = エンジンを走らせる(
        "setoption name MultiPV value 10\nposition sfen 4k2r1/9/9/9/9/9/8p/9/8K b - 1\ngo\n"
        "position startpos\ngo\nquit\n");
    const auto lines = 行に分ける(r.出力);
    ASSERT_EQ(lines.size(), 5u + 12u) << r.出力;
    const char* const want[] = {"1i1h", "1i2i", "1i2h"};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(読む(lines[k]).pv, want[k]);
        EXPECT_EQ(読む(lines[k]).評価値, "mate -1");
    }
    EXPECT_EQ(lines[4], "bestmove resign");
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(読む(lines[4 + k]).multipv, k) << lines[4 + k];
    EXPECT_EQ(lines[16], "bestmove 7g7f");
}

TEST(yukoraUSI, MultiPVの値は1から10まで) {
    std::string input;
    for (const char* bad : {"0", "11", "x", "", "3 4"})
        input += std::string("setoption name MultiPV value ") + bad + "\n";
    input += "setoption name MultiPV value 1\nsetoption name MultiPV value 10\nquit\n";
    const auto lines = 行に分ける(エンジンを走らせる(input).出力);
    ASSERT_EQ(lines.size(), 5u);
    for (const auto& line : lines)
        EXPECT_EQ(line, "info string error: MultiPV takes a value from 1 to 10");
}

}  // namespace
}  // namespace yukora
