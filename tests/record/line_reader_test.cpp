#include "record/line_reader.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "record/temp_folder.h"

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

TEST(ファイル行入力, ないファイルとフォルダとパイプは開かず失敗になる) {
    test::棋譜試験::一時フォルダ dir;
    ファイル行入力 missing(dir.中("none.txt"));
    EXPECT_FALSE(missing.開いた());
    std::string line;
    EXPECT_FALSE(missing.次の行(line));
    EXPECT_TRUE(missing.失敗());

    ファイル行入力 folder(dir.場所());
    EXPECT_FALSE(folder.開いた());

    // A pipe with no writer would block a plain open; it must come back at once.
    ASSERT_EQ(::mkfifo(dir.中("pipe").c_str(), 0600), 0);
    ファイル行入力 pipe(dir.中("pipe"));
    EXPECT_FALSE(pipe.開いた());
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
