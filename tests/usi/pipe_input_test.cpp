// Reading through the pipe: the line length limit and memory, and ending a long perft by
// "stop", "quit" or SIGTERM.
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

}  // namespace
}  // namespace yukora
