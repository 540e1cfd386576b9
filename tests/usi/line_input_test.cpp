#include "usi/line_input.h"

#include <gtest/gtest.h>

#include <vector>

namespace yukora {
namespace {

// The lines of `input` fed in pieces of `piece` bytes with a limit of `limit`; a line that was
// too long shows as "<too long>".
std::vector<std::string> 行にする(std::string_view input, std::size_t piece, std::size_t limit) {
    行の組立 r(limit);
    for (std::size_t i = 0; i < input.size(); i += piece) r.入れる(input.substr(i, piece));
    r.終わる();
    std::vector<std::string> lines;
    for (入力行 l; r.取り出す(l);) lines.push_back(l.長すぎる ? "<too long>" : l.text);
    EXPECT_EQ(r.待ち量(), 0u);
    return lines;
}

TEST(行の組立, 行は切れ目によらず同じで長すぎる行だけが落ちる) {
    struct 例 {
        const char* input;
        std::vector<std::string> lines;
    };
    const 例 cases[] = {
        {"", {}},
        {"\n", {""}},
        {"go\r\nstop", {"go\r", "stop"}},  // CR stays; a last line without newline
        {"abcd\nabcde\n\nxy", {"abcd", "<too long>", "", "xy"}},  // the limit is 4
        {"abcdefghij", {"<too long>"}},
        {"abcdefghij\nab\n", {"<too long>", "ab"}},
        {"a\nb\nc\n", {"a", "b", "c"}},
    };
    for (const auto& [input, want] : cases)
        for (const std::size_t piece : {1, 2, 3, 5, 64})
            EXPECT_EQ(行にする(input, piece, 4), want) << input << " in pieces of " << piece;
}

TEST(行の組立, 既定の上限は1MiBちょうどまで) {
    const std::string exact(行の最大長, 'a');
    const std::string over(行の最大長 + 1, 'b');
    const auto lines = 行にする(exact + "\n" + over + "\nok\n", 65536, 行の最大長);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], exact);
    EXPECT_EQ(lines[1], "<too long>");
    EXPECT_EQ(lines[2], "ok");
}

TEST(行の組立, 待ち行と待ち量は取り出すまで残る) {
    行の組立 r(8);
    r.入れる("isready\nstop\npar");
    EXPECT_EQ(r.待ち行().size(), 2u);
    EXPECT_EQ(r.待ち量(), 11u);
    入力行 l;
    ASSERT_TRUE(r.取り出す(l));
    EXPECT_EQ(l.text, "isready");
    EXPECT_EQ(r.待ち量(), 4u);
    ASSERT_TRUE(r.取り出す(l));
    EXPECT_FALSE(r.取り出す(l));
    r.入れる("tial\n");
    ASSERT_TRUE(r.取り出す(l));
    EXPECT_EQ(l.text, "partial");
}

}  // namespace
}  // namespace yukora
