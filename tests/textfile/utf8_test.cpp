// Code points of UTF-8 text, with bytes that are not UTF-8 kept or replaced.
#include "textfile/utf8.h"

#include <gtest/gtest.h>

namespace yukora {
namespace {

TEST(符号点へ, 正しい並びは同じに読み不正なバイトは方式に従う) {
    struct 例 {
        const char* 名前;
        std::string_view bytes;
        std::u32string_view そのまま, 置換;
    };
    const 例 例一覧[] = {
        {"正しい並び", "a\xE3\x81\x82\xF0\xA0\xAE\xB7", U"aあ𠮷", U"aあ𠮷"},
        {"続きのバイトだけ", "\x80z", U"\u0080z", U"\uFFFDz"},
        {"並びを始めないバイト", "\xFFz", U"\u00FFz", U"\uFFFDz"},
        {"終わりで切れた並び", "a\xE3\x81", U"a\u00C1", U"a\uFFFD\uFFFD"},
        {"続かないバイトを挟む並び", "\xE3z\x82", U"\u3E82", U"\uFFFDz\uFFFD"},
        {"長すぎる形のCR", "\xC0\x8Dz", U"\rz", U"\uFFFD\uFFFDz"},
    };
    for (const 例& c : 例一覧) {
        SCOPED_TRACE(c.名前);
        EXPECT_EQ(符号点へ(c.bytes), c.そのまま);
        EXPECT_EQ(符号点へ(c.bytes, 不正バイト::置換), c.置換);
    }
    EXPECT_EQ(UTF8へ(U"aあ𠮷"), "a\xE3\x81\x82\xF0\xA0\xAE\xB7");
    EXPECT_EQ(空白を除く(U"\u3000 先手\t"), U"先手");
}

}  // namespace
}  // namespace yukora
