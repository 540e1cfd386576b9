// UTF-8 text as code points and back; blanks at the ends of a text.
#pragma once
#include <string>
#include <string_view>

namespace yukora {

// What becomes of bytes that are not valid UTF-8.
enum class 不正バイト {
    そのまま,  // a byte that starts no sequence is its own code point; a sequence is read as
               // far as its length says, without checking the bytes that continue it
    置換,      // a byte that starts no whole, valid sequence becomes U+FFFD
};

// The code points of a UTF-8 text; bytes that are not valid UTF-8 as `bad` says.
std::u32string 符号点へ(std::string_view utf8, 不正バイト bad = 不正バイト::そのまま);

// The UTF-8 text of code points.
std::string UTF8へ(std::u32string_view text);

// Without spaces (ASCII and full-width) at either end.
std::u32string_view 空白を除く(std::u32string_view text);

}  // namespace yukora
