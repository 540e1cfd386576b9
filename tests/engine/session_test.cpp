// One engine's conversation on a fake process: the order of a game, and a step back.
#include <gtest/gtest.h>

#include "engine/fake_engine_port.h"

namespace yukora {
namespace {

using test::偽のプロセス;

struct 対話台 {
    test::偽の時計 clock;
    test::記録する受け手 owner;
    偽のプロセス* process = new 偽のプロセス;
    エンジン対話 engine{std::unique_ptr<エンジンプロセス>(process), clock, owner};
};

TEST(エンジン対話, 対局の順に話し宣言された選択肢だけ送る) {
    対話台 t;
    t.engine.起動("/bin/engine", {{"Level", "2"}, {"Unknown", "5"}, {"Clear", "x"}}, true);
    t.process->出す({"id name Test Engine", "id author Someone",
                     "option name Level type spin default 3 min 1 max 3",
                     "option name Clear type button", "usiok"});
    t.process->出す({"readyok"});
    t.engine.考える("position startpos", "go btime 0 wtime 0 byoyomi 1000", t.clock.今 + 11'000);
    t.process->出す({"info depth 3 score cp 10 pv 7g7f", "bestmove 7g7f"});
    t.engine.対局終了(勝敗::負け);
    EXPECT_EQ(t.process->起動したパス, "/bin/engine");
    EXPECT_EQ(t.process->書いた,
              (std::vector<std::string>{"usi", "setoption name Level value 2", "isready",
                                        "usinewgame", "position startpos",
                                        "go btime 0 wtime 0 byoyomi 1000", "gameover lose"}));
    EXPECT_EQ(t.owner.聞いた,
              (std::vector<std::string>{"識別 Test Engine", "準備", "読んだ 3", "指した 7g7f"}));
    EXPECT_EQ(t.engine.作者(), "Someone");
    EXPECT_EQ(t.engine.選択肢().size(), 2u);
    EXPECT_TRUE(t.process->終えた);
    t.process->出す({"bestmove 2g2f"});  // after the end nothing is reported
    EXPECT_EQ(t.owner.聞いた.size(), 4u);
}

TEST(エンジン対話, 捨てた答えの後で次の局面を送り期限を過ぎれば応答なし) {
    対話台 t;
    t.engine.起動("/bin/engine", {}, true);
    t.process->出す({"usiok", "readyok"});
    t.engine.考える("position startpos", "go", t.clock.今 + 5'000);
    t.engine.捨てる();
    t.engine.考える("position startpos moves 7g7f", "go", t.clock.今 + 5'000);
    t.process->出す({"info depth 9", "bestmove 7g7f"});
    EXPECT_EQ(t.process->書いた.back(), "go");
    EXPECT_EQ(t.process->書いた[t.process->書いた.size() - 2], "position startpos moves 7g7f");
    EXPECT_EQ(t.owner.聞いた, (std::vector<std::string>{"識別 ", "準備"}));
    t.clock.今 += 5'000;
    t.engine.時刻();
    EXPECT_EQ(t.owner.聞いた.size(), 2u);
    t.clock.今 += 1;
    t.engine.時刻();
    EXPECT_EQ(t.owner.聞いた.back(), "故障 4 ");
    EXPECT_TRUE(t.process->終えた);
}

}  // namespace
}  // namespace yukora
