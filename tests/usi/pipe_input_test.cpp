// Reading through the pipe: the line length limit and memory, and ending a long perft by
// "stop", "quit", SIGTERM or the end of input.
#include <gtest/gtest.h>
#include <signal.h>

#include "engine_process.h"
#include "usi/line_input.h"

namespace yukora {
namespace {

using test::SIGTERMの扱い;
using test::対話エンジン;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool 素の割り当て = false;  // AddressSanitizer keeps freed memory in quarantine
#else
constexpr bool 素の割り当て = true;
#endif

// Every kind in hand on both sides: perft 5 takes hours, so it is surely still counting.
constexpr const char* 長いperft =
    "position sfen 4k4/9/9/9/9/9/9/9/4K4 b RBGSNLPrbgsnlp 1\nperft 5\n";

// Writes a line of `n` bytes, `text` at its start, then short words ("a a a ...") or spaces.
void 長い行を書く(対話エンジン& e, std::string_view text, std::size_t n, bool 語 = true) {
    std::string block(1 << 16, ' ');
    for (std::size_t i = 0; 語 && i < block.size(); i += 2) block[i] = 'a';
    e.書く(text);
    for (std::size_t written = text.size(); written < n;) {
        const std::size_t k = std::min(block.size(), n - written);
        e.書く(std::string_view(block).substr(0, k));
        written += k;
    }
    e.書く("\n");
}

TEST(yukoraUSI, 1MiBを超える行は誤りを知らせて捨てメモリは元に戻る) {
    対話エンジン e;
    e.書く("position startpos moves 7g7f 3c3d\ngo\nposition startpos\nisready\n");
    const std::string answer = e.行まで読む("bestmove", 10);
    ASSERT_NE(answer.find("bestmove"), std::string::npos);
    ASSERT_EQ(e.行まで読む("readyok", 10), "readyok\n");
    const long rss前 = e.状態("VmRSS"), hwm前 = e.状態("VmHWM");
    ASSERT_GT(rss前, 0);

    // Exactly at the limit the line is read (a position with trailing spaces) ...
    長い行を書く(e, "position startpos moves 7g7f 3c3d ", 行の最大長, false);
    e.書く("go\n");
    EXPECT_EQ(e.行まで読む("bestmove", 10), answer);
    // ... one byte more, or 100 MB, and it is not, whatever it begins with.
    const std::string 誤り = "info string error: a line longer than 1048576 bytes was ignored\n";
    長い行を書く(e, "position startpos", 行の最大長 + 1);
    EXPECT_EQ(e.行まで読む("info", 10), 誤り);
    長い行を書く(e, "", 100'000'000);
    EXPECT_EQ(e.行まで読む("info", 30), 誤り);
    // The position of the line that fitted is still there.
    e.書く("isready\ngo\n");
    EXPECT_EQ(e.行まで読む("readyok", 10), "readyok\n");
    EXPECT_EQ(e.行まで読む("bestmove", 10), answer);

    const long rss後 = e.状態("VmRSS"), hwm後 = e.状態("VmHWM");
    std::printf("VmRSS %ld kB -> %ld kB, VmHWM %ld kB -> %ld kB\n", rss前, rss後, hwm前, hwm後);
    if (素の割り当て) {
        EXPECT_LT(hwm後 - hwm前, 8 * 1024);  // a few MiB at most, whatever the line's length
        EXPECT_LT(rss後 - rss前, 512);
    }
    e.書く("quit\n");
    EXPECT_EQ(e.終了を待つ(10), 0);
}

TEST(yukoraUSI, perftの最中もstopを読み途中の数を知らせてほかの命令はその後に答える) {
    対話エンジン e;
    e.書く(長いperft);
    e.書く("isready\n");
    EXPECT_EQ(e.読む(0.3), "");  // still counting; isready waits its turn
    e.書く("stop\n");
    const std::string got = e.行まで読む("readyok", 10);
    const std::string head = "info string perft 5 stopped after ";
    ASSERT_TRUE(got.starts_with(head)) << got;
    const std::size_t end = got.find(" nodes\nreadyok\n");
    ASSERT_NE(end, std::string::npos) << got;
    EXPECT_GT(std::stoull(got.substr(head.size(), end - head.size())), 0u);
    // The engine goes on as before.
    e.書く("position startpos\nperft 2\nquit\n");
    EXPECT_EQ(e.行まで読む("info", 10), "info string perft 2 nodes 900\n");
    EXPECT_EQ(e.終了を待つ(10), 0);
}

TEST(yukoraUSI, perftの最中のquitでその場で終わる) {
    対話エンジン e;
    e.書く(長いperft);
    EXPECT_EQ(e.読む(0.3), "");
    e.書く("quit\n");
    EXPECT_EQ(e.終了を待つ(5), 0);
    EXPECT_EQ(e.読む(0.1), "");
}

TEST(yukoraUSI, SIGTERMでperftの最中でも待っている間でもすぐ終わる) {
    // Also when the parent left SIGTERM ignored or blocked: both are inherited through exec.
    for (const SIGTERMの扱い 扱い :
         {SIGTERMの扱い::既定, SIGTERMの扱い::無視, SIGTERMの扱い::遮断}) {
        for (const bool 数えている : {true, false}) {
            対話エンジン e(扱い);
            e.書く(数えている ? 長いperft : "isready\n");
            EXPECT_EQ(e.読む(0.3), 数えている ? "" : "readyok\n");
            e.シグナル(SIGTERM);
            EXPECT_EQ(e.終了を待つ(1), 0) << static_cast<int>(扱い) << " " << 数えている;
            EXPECT_EQ(e.読む(0.1), "");
        }
    }
}

TEST(yukoraUSI,
     入力の終わりはperftやgoの最中でもその場で終わりSIGTERMは書けずに止まっていても終わる) {
    std::string 読まれない答え;
    for (int i = 0; i < 2000; ++i) 読まれない答え += "usi\n";  // far more than a pipe holds
    const struct {
        const char* 場面;
        bool 入力あり;
        std::string 入力;
        const char* 待つ行;  // read up to this line first
        bool 閉じる, 書込で止まってSIGTERM;
    } cases[] = {
        {"input ends during a perft", true, 長いperft, nullptr, true, false},
        {"input ends during go infinite", true, "position startpos\ngo infinite\n",
         "info string score", true, false},
        {"input closed at the start", false, "", nullptr, false, false},
        {"SIGTERM while the output is full", true, 読まれない答え, nullptr, false, true},
    };
    for (const auto& c : cases) {
        対話エンジン e(SIGTERMの扱い::既定, c.入力あり);
        e.書く(c.入力);
        if (c.待つ行) ASSERT_NE(e.行まで読む(c.待つ行, 10).find(c.待つ行), std::string::npos);
        if (c.閉じる) e.入力を閉じる();
        if (c.書込で止まってSIGTERM) {
            ASSERT_TRUE(e.書込で止まる(10)) << c.場面;
            e.シグナル(SIGTERM);
        }
        EXPECT_EQ(e.終了を待つ(10), 0) << c.場面;
        if (!c.書込で止まってSIGTERM) EXPECT_EQ(e.読む(1), "") << c.場面;  // not even a bestmove
    }
}

}  // namespace
}  // namespace yukora
