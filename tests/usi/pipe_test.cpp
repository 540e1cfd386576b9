// The executable itself, driven through a pipe as a GUI would drive it.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

#include "engine_process.h"
#include "usi/position_command.h"
#include "usi_test_support.h"

namespace yukora {
namespace {

using test::SFEN反転;
using test::エンジンを走らせる;
using test::指し手反転;
using test::行に分ける;

TEST(yukoraUSI, 挨拶から終了まで) {
    // Blank lines, CR LF ends and the commands that answer nothing are passed over quietly.
    const auto r = エンジンを走らせる(
        "usi\nisready\r\n\n   \nusinewgame\ngameover win\nstop\nponderhit\nquit\nisready\n");
    EXPECT_EQ(r.出力,
              "id name Yukora将棋1\n"
              "id author the Yukora project\n"
              "option name Level type spin default 3 min 1 max 3\n"
              "option name MultiPV type spin default 1 min 1 max 10\n"
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

TEST(yukoraUSI, 拒んだpositionの後は局面が無くgoは誤りを知らせて投了する) {
    const char* const bad[] = {
        "position",                                                                 // nothing
        "position startpos 7g7f",                                                   // no "moves"
        "position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/LNSGKGSNL b - 1",  // 8 ranks
        "position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL/9 b - 1",
        "position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGJGSNL b - 1",
        "position sfen lnsg1gsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
        "position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b R 1",
        "position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL q - 1",
        "position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - x",
        "position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b",
        "position startpos moves 7g7f 3c3d 2g2e 8b8z",             // unparsable
        "position startpos moves 7g7f 3c3d 8h2b+ 2b3c",            // illegal
        "position startpos moves 7g7f 3c3d 8h2b+ 3a2b P*5e",       // no pawn
        "position startpos moves 7g7f 3c3d 8h2b+ 3a2b B*3d",       // occupied
        "position sfen 4k4/2P6/9/9/9/9/9/9/4K4 b - 1 moves 7b7a",  // must promote
        "position startpos moves 7g7f+",                           // cannot
        "position sfen 4k4/4R4/9/9/9/9/9/9/4K4 b - 1 moves 5b5a",  // takes a king
    };
    const std::string 局面なし =
        "info string error: no position: the last position command was refused";
    std::string input = "position startpos moves 7g7f\ngo\n";
    for (const char* line : bad) input += std::string(line) + "\ngo\nperft 1\ngo\n";
    input += "quit\n";
    const auto r = エンジンを走らせる(input);
    const auto lines = 行に分ける(r.出力);
    ASSERT_EQ(lines.size(), 3 + 6 * std::size(bad)) << r.出力;
    EXPECT_EQ(lines[2], "bestmove 3c3d");
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        const std::size_t at = 3 + 6 * i;
        EXPECT_TRUE(lines[at].starts_with("info string error: ")) << bad[i];
        EXPECT_NE(lines[at], 局面なし) << bad[i];
        for (const std::size_t k : {at + 1, at + 3, at + 4})
            EXPECT_EQ(lines[k], 局面なし) << bad[i];
        EXPECT_EQ(lines[at + 2], "bestmove resign") << bad[i];
        EXPECT_EQ(lines[at + 5], "bestmove resign") << bad[i];
    }
    EXPECT_EQ(r.終了コード, 0);
}

TEST(yukoraUSI, 局面が無いまま待つgoの投了はstopまで待ち正しいpositionで局面が戻る) {
    const auto r = エンジンを走らせる(
        "position startpos moves 7g7f 7g7f\ngo infinite\nisready\nstop\n"
        "frobnicate\nsetoption name Level value 9\nusinewgame\ngo\n"
        "position startpos moves 7g7f\ngo\nquit\n");
    const auto lines = 行に分ける(r.出力);
    ASSERT_EQ(lines.size(), 11u) << r.出力;
    EXPECT_TRUE(lines[0].starts_with("info string error: illegal move 7g7f (move 2)"));
    EXPECT_TRUE(lines[1].starts_with("info string error: no position"));
    EXPECT_EQ(lines[2], "readyok");
    EXPECT_EQ(lines[3], "bestmove resign");
    // Neither other faults nor a new game bring a position back.
    EXPECT_TRUE(lines[4].starts_with("info string error: unknown command"));
    EXPECT_TRUE(lines[5].starts_with("info string error: Level"));
    EXPECT_TRUE(lines[6].starts_with("info string error: no position"));
    EXPECT_EQ(lines[7], "bestmove resign");
    EXPECT_TRUE(lines[8].starts_with("info depth 1 "));
    EXPECT_EQ(lines[10], "bestmove 3c3d");
}

TEST(yukoraUSI, でたらめなバイト列でも落ちず固まらない) {
    std::mt19937 rng(8);
    std::string input;
    for (int i = 0; i < 200; ++i) {
        const char* const starts[] = {
            "position sfen ", "position startpos moves ", "go ", "setoption name ", "perft ", ""};
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
    EXPECT_TRUE(r.出力.ends_with("readyok\n"))
        << r.出力.substr(r.出力.size() > 300 ? r.出力.size() - 300 : 0);
}

// The three lines of one "go": the score of the info line, the exact score and the move.
struct 答え {
    std::string 評価値, 点, 指し手;
};

// The parts of "info depth 1 seldepth 1 nodes N score <cp X | mate Y> pv <move>".
struct 情報行 {
    bool 形どおり = false;
    long nodes = -1;
    std::string 評価値, pv;
};

情報行 情報行を読む(const std::string& line) {
    情報行 r;
    std::istringstream in(line);
    std::string info, depth, d, seldepth, sd, nodes, score, kind, value, pv;
    in >> info >> depth >> d >> seldepth >> sd >> nodes >> r.nodes >> score >> kind >> value >>
        pv >> r.pv;
    r.評価値 = kind + " " + value;
    r.形どおり = in && in.eof() && info == "info" && depth == "depth" && d == "1" &&
                 seldepth == "seldepth" && sd == "1" && nodes == "nodes" && score == "score" &&
                 (kind == "cp" || kind == "mate") && pv == "pv";
    return r;
}

// Runs "go" on each position (a "position" argument list) in one session, at level 3.
std::vector<答え> 考えさせる(const std::vector<std::string>& positions) {
    std::string input = "usi\nisready\n";
    for (const std::string& p : positions) input += "position " + p + "\ngo btime 0 wtime 0\n";
    input += "quit\n";
    const auto r = エンジンを走らせる(input, 120);
    EXPECT_EQ(r.終了コード, 0);
    std::vector<答え> out;
    答え a;
    std::string pv;
    for (const std::string& line : 行に分ける(r.出力)) {
        if (line.starts_with("info depth ")) {
            const 情報行 info = 情報行を読む(line);
            EXPECT_TRUE(info.形どおり) << line;
            EXPECT_GT(info.nodes, 0) << line;
            a.評価値 = info.評価値;
            pv = info.pv;
        } else if (line.starts_with("info string score ")) {
            a.点 = line.substr(18);
        } else if (line.starts_with("bestmove ")) {
            a.指し手 = line.substr(9);
            EXPECT_EQ(pv, a.指し手);
            out.push_back(a);
            a = {};
        } else if (line.starts_with("info")) {
            ADD_FAILURE() << line;
        }
    }
    EXPECT_EQ(out.size(), positions.size()) << r.出力;
    out.resize(positions.size());
    return out;
}

TEST(yukoraUSI, 王を取る手と詰める打ちと成らねばならぬ手を後手でも先手でも指す) {
    struct 例 {
        const char* sfen;
        const char* move;
        const char* cp;
    };
    const 例 cases[] = {
        {"4k4/9/9/9/9/9/9/4g4/4K4 w - 1", "5h5i", "mate 1"},    // the king can be taken
        {"4k4/9/9/9/9/9/4p4/9/4K4 w g 1", "G*5h", "mate 1"},    // a gold drop mates
        {"4k4/9/9/9/9/9/9/6p2/4K1G2 w - 1", "3h3i+", nullptr},  // a pawn onto the last rank
    };
    std::vector<std::string> positions;
    for (const auto& c : cases) {
        positions.push_back(std::string("sfen ") + c.sfen);
        positions.push_back("sfen " + SFEN反転(c.sfen));
    }
    const auto answers = 考えさせる(positions);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(answers[2 * i].指し手, cases[i].move) << cases[i].sfen;
        EXPECT_EQ(answers[2 * i + 1].指し手, 指し手反転(cases[i].move)) << cases[i].sfen;
        if (cases[i].cp) {
            EXPECT_EQ(answers[2 * i].評価値, cases[i].cp);
        }
        EXPECT_EQ(answers[2 * i + 1].評価値, answers[2 * i].評価値);
    }
    EXPECT_EQ(answers[0].点, "9999.0");
}

// SFENs of the starting position and of the recorded game at several points (both sides to
// move, pieces in hand, promoted pieces on the board).
std::vector<std::string> 試す局面() {
    std::vector<std::string> sfens = {test::平手SFEN};
    const std::vector<std::string> moves = test::実戦の指し手();
    for (const std::size_t n : {17u, 42u, 43u, 53u, 66u, 85u, 98u}) {
        std::string text = "startpos moves";
        for (std::size_t i = 0; i < n; ++i) text += " " + moves[i];
        USI局面 pos;
        EXPECT_EQ(position命令を読む(text, pos), "");
        sfens.push_back(SFEN書込(pos));
    }
    return sfens;
}

TEST(yukoraUSI, 局面と色を入れ替えた鏡の局面には鏡の手を返す) {
    std::vector<std::string> positions, mirrored;
    for (const std::string& s : 試す局面()) {
        positions.push_back("sfen " + s);
        mirrored.push_back("sfen " + SFEN反転(s));
    }
    const auto a = 考えさせる(positions);
    const auto b = 考えさせる(mirrored);
    for (std::size_t i = 0; i < positions.size(); ++i) {
        EXPECT_EQ(b[i].指し手, 指し手反転(a[i].指し手)) << positions[i];
        EXPECT_EQ(b[i].評価値, a[i].評価値) << positions[i];
        EXPECT_EQ(b[i].点, a[i].点) << positions[i];
    }
    EXPECT_EQ(a[0].指し手, "7g7f");
}

TEST(yukoraUSI, 同じ局面とレベルにはそれまでの対話によらず同じ答え) {
    const std::vector<std::string> sfens = 試す局面();
    const std::string x = "position sfen " + sfens[3] + "\ngo\n";
    std::string session = "usi\n" + x;
    for (const std::string& s : sfens) session += "position sfen " + s + "\ngo\n";
    session += "setoption name Level value 1\nsetoption name MultiPV value 5\n";
    for (const std::string& s : sfens) session += "position sfen " + s + "\ngo\n";
    session +=
        "setoption name Level value 3\nsetoption name MultiPV value 1\nusinewgame\n" + x + "quit\n";
    const auto lines = 行に分ける(エンジンを走らせる(session, 120).出力);
    const auto alone = 行に分ける(エンジンを走らせる(x + "quit\n").出力);
    ASSERT_EQ(alone.size(), 3u);
    ASSERT_GT(lines.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 5, lines.begin() + 8), alone);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()), alone);
}

}  // namespace
}  // namespace yukora