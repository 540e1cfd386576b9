#include "textfile/line_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_folder.h"

namespace yukora {
namespace {

std::vector<std::string> 全部(行入力& in) {
    std::vector<std::string> lines;
    for (std::string line; in.次の行(line);) lines.push_back(line);
    return lines;
}

TEST(行入力, CRLFとLFで区切り最後の改行のない行も読む) {
    文字列行入力 in("one\r\ntwo\n\r\nlast");
    EXPECT_EQ(全部(in), (std::vector<std::string>{"one", "two", "", "last"}));
    EXPECT_FALSE(in.失敗());
}

TEST(行入力, 空の入力には行がない) {
    文字列行入力 in("");
    EXPECT_TRUE(全部(in).empty());
    文字列行入力 one("\r\n");
    EXPECT_EQ(全部(one), std::vector<std::string>{""});
}

TEST(行入力, 長すぎる行は上限で切り残りは捨てて次の行へ進む) {
    const std::string big(行の上限 * 5 + 3, 'x');
    文字列行入力 in(big + "\r\nnext\r\n");
    std::string line;
    ASSERT_TRUE(in.次の行(line));
    EXPECT_EQ(line.size(), 行の上限);
    EXPECT_TRUE(in.切り詰めた());
    ASSERT_TRUE(in.次の行(line));
    EXPECT_EQ(line, "next");
    EXPECT_FALSE(in.切り詰めた());
}

TEST(行入力, 上限ちょうどの行は切らない) {
    const std::string exact(行の上限, 'y');
    文字列行入力 in(exact + "\r\n");
    std::string line;
    ASSERT_TRUE(in.次の行(line));
    EXPECT_EQ(line, exact);
    EXPECT_FALSE(in.切り詰めた());
}

TEST(行入力, 入力の上限を超えて読まず上限で切れた最後の行は返さない) {
    const struct {
        size_t limit;
        std::vector<std::string> lines;
        bool beyond;
    } cases[] = {
        {9, {"ab", "cd"}, true},          // "ab\r\ncd\r\ne" cut inside "ef"
        {8, {"ab", "cd"}, true},          // cut right after a line end
        {7, {"ab"}, true},                // cut between CR and LF
        {10, {"ab", "cd", "ef"}, false},  // exactly all of it, the last line without an end
        {100, {"ab", "cd", "ef"}, false},
        {0, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        文字列行入力 in("ab\r\ncd\r\nef");
        in.入力の上限(c.limit);
        EXPECT_EQ(全部(in), c.lines);
        EXPECT_EQ(in.上限を超えた(), c.beyond);
        EXPECT_FALSE(in.失敗());
    }
}

TEST(ファイル行入力, ないファイルとフォルダとパイプと装置は開かずわけを知らせる) {
    test::棋譜試験::一時フォルダ dir;
    ASSERT_EQ(::mkfifo(dir.中("pipe").c_str(), 0600), 0);  // would block a plain open
    dir.置く("a.txt", "x\n");
    const struct {
        std::string path;
        開く結果 result;
    } cases[] = {
        {dir.中("none.txt"), 開く結果::ない},    {dir.中("a.txt/inside"), 開く結果::ない},
        {dir.場所(), 開く結果::ファイルでない},  {dir.中("pipe"), 開く結果::ファイルでない},
        {"/dev/null", 開く結果::ファイルでない}, {dir.中("a.txt"), 開く結果::開いた},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ファイル行入力 in(c.path);
        EXPECT_EQ(in.結果(), c.result);
        EXPECT_EQ(in.開いた(), c.result == 開く結果::開いた);
        std::string line;
        EXPECT_EQ(in.次の行(line), in.開いた());
        EXPECT_EQ(in.失敗(), !in.開いた());
    }
}

TEST(ファイル行入力, 普通のファイルを行ごとに読む) {
    test::棋譜試験::一時フォルダ dir;
    dir.置く("a.txt", "x=1\r\ny=2\r\n");
    ファイル行入力 in(dir.中("a.txt"));
    ASSERT_TRUE(in.開いた());
    EXPECT_EQ(全部(in), (std::vector<std::string>{"x=1", "y=2"}));
    EXPECT_FALSE(in.失敗());
}

}  // namespace
}  // namespace yukora
