#include "usi/engine.h"

#include <gtest/gtest.h>

#include <sstream>

#include "usi/score_text.h"

namespace yukora {
namespace {

// Feeds lines to one engine and collects what it answers.
class 対話 {
public:
    // Sends the lines and returns the answer; false from the engine ends the talk.
    std::string 送る(const std::string& lines) {
        std::istringstream in(lines);
        std::string line;
        out_.str("");
        while (std::getline(in, line) && engine_.行を処理(line)) {
        }
        return out_.str();
    }

private:
    std::ostringstream out_;
    USIエンジン engine_{out_};
};

TEST(USIエンジン, 知らない命令と誤った設定は誤りを知らせる) {
    対話 t;
    EXPECT_EQ(t.送る("hello world\n"), "info string error: unknown command hello\n");
    for (const char* line :
         {"setoption name Level value 0", "setoption name Level value 4",
          "setoption name Level value x", "setoption name Level", "setoption name Depth value 2",
          "setoption Level value 2", "setoption"})
        EXPECT_TRUE(t.送る(std::string(line) + "\n").starts_with("info string error: ")) << line;
    EXPECT_EQ(t.送る("setoption name Level value 2\n"), "");
    EXPECT_EQ(t.送る("setoption name USI_Hash value 256\nsetoption name USI_Ponder value false\n"),
              "");
}

TEST(USIエンジン, perftは手番の側を数え深さは1から5まで) {
    対話 t;
    // Gote's first moves after 7g7f are as many as sente's at the start; sente would have more.
    EXPECT_EQ(t.送る("position startpos moves 7g7f\nperft 1\n"), "info string perft 1 nodes 30\n");
    for (const char* line : {"perft", "perft 0", "perft 6", "perft x", "perft 1 2", "perft -1"})
        EXPECT_TRUE(t.送る(std::string(line) + "\n").starts_with("info string error: ")) << line;
}

TEST(USIエンジン, 読み続けるgoの指し手はstopかponderhitまで待つ) {
    対話 t;
    t.送る("position startpos\n");
    const std::string now = t.送る("go\n");
    ASSERT_TRUE(now.ends_with("bestmove 7g7f\n")) << now;
    const std::string infos = now.substr(0, now.size() - std::string("bestmove 7g7f\n").size());
    EXPECT_EQ(t.送る("go infinite\n"), infos);
    EXPECT_EQ(t.送る("isready\n"), "readyok\n");
    EXPECT_EQ(t.送る("stop\n"), "bestmove 7g7f\n");
    EXPECT_EQ(t.送る("stop\n"), "");
    EXPECT_EQ(t.送る("go ponder btime 1000 wtime 1000\n"), infos);
    EXPECT_EQ(t.送る("ponderhit\n"), "bestmove 7g7f\n");
    EXPECT_EQ(t.送る("go btime 1000 wtime 1000 byoyomi 0\n"), now);
}

TEST(点の表記, 十分の一まで書き評価値は駒割りのセンチ歩で決着は詰みで示す) {
    EXPECT_EQ(十分の一表記(123), "12.3");
    EXPECT_EQ(十分の一表記(-5), "-0.5");
    EXPECT_EQ(十分の一表記(0), "0.0");
    EXPECT_EQ(十分の一表記(99990), "9999.0");
    EXPECT_EQ(十分の一表記(-99980), "-9998.0");
    // A pawn is worth 10 in the material count, 100 centipawns; the search's score decides
    // only between a mate and the material.
    EXPECT_EQ(USI評価値(100, 10), "cp 100");
    EXPECT_EQ(USI評価値(-5, -1), "cp -10");
    EXPECT_EQ(USI評価値(0, 0), "cp 0");
    EXPECT_EQ(USI評価値(99979, -20), "cp -200");
    EXPECT_EQ(USI評価値(99980, -900), "mate 1");
    EXPECT_EQ(USI評価値(99990, 0), "mate 1");
    EXPECT_EQ(USI評価値(-99979, 900), "cp 9000");
    EXPECT_EQ(USI評価値(-99980, 900), "mate -1");
}

}  // namespace
}  // namespace yukora
