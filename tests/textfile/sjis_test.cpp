#include "textfile/sjis.h"

#include <gtest/gtest.h>

namespace yukora {
namespace {

TEST(SJIS変換, 漢字と半角カナと英数が往復する) {
    const std::string text = "対局名 ﾌｧｲﾙ名 Yukora 将棋Ⅰ 123";
    const auto bytes = SJISへ変換(text);
    ASSERT_TRUE(bytes);
    // 対 is two bytes in code page 932, ﾌ one.
    EXPECT_EQ(bytes->substr(0, 2), "\x91\xce");
    EXPECT_EQ(bytes->substr(bytes->find('\xcc'), 1), "\xcc");
    const auto back = SJISから変換(*bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, text);
}

TEST(SJIS変換, 持てない文字は変換せずに知らせる) {
    EXPECT_FALSE(SJISへ変換("絵文字😀"));
    EXPECT_FALSE(SJISへ変換("한국어"));
    EXPECT_FALSE(SJISへ変換("\xff\xfe broken utf-8"));
}

TEST(SJIS変換, 正しくないバイト列は読めないと知らせる) {
    EXPECT_FALSE(SJISから変換("\x80"));
    EXPECT_FALSE(SJISから変換("ab\xa0"));
    EXPECT_FALSE(SJISから変換("\x81\x20"));
    EXPECT_FALSE(SJISから変換("\x91"));  // a lead byte cut off at the end
    EXPECT_TRUE(SJISから変換(""));
}

TEST(SJIS変換, 行は一行ずつCRLFで終わり一行でも持てなければ全体を断る) {
    const auto bytes = SJIS行書式({"背景画=竹", "BGM=ON"});
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, "\x94\x77\x8c\x69\x89\xe6=\x92\x7c\r\nBGM=ON\r\n");
    EXPECT_FALSE(SJIS行書式({"ok", "😀"}));
}

TEST(SJIS変換, 文字数は符号位置で数える) {
    EXPECT_EQ(文字数(""), 0);
    EXPECT_EQ(文字数("abc"), 3);
    EXPECT_EQ(文字数("ﾌｧｲﾙ名"), 5);
    EXPECT_TRUE(UTF8か("将棋"));
    EXPECT_FALSE(UTF8か("\xe5\xb0"));
}

}  // namespace
}  // namespace yukora
