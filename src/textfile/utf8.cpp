#include "textfile/utf8.h"

namespace yukora {
namespace {

// The length of the sequence a lead byte starts; 0 for a byte that starts none.
size_t 並びの長さ(unsigned char b) {
    return b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
}

// True when the `len` bytes at i are all there and every one after the first continues.
bool 揃っている(std::string_view s, size_t i, size_t len) {
    if (len == 0 || i + len > s.size()) return false;
    for (size_t k = 1; k < len; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    return true;
}

// True for a code point that its sequence of `len` bytes may stand for: no longer form of a
// shorter one (an overlong CR or "/"), no surrogate, nothing past U+10FFFF.
bool 正しい符号点か(char32_t c, size_t len) {
    constexpr char32_t 最小[] = {0, 0, 0x80, 0x800, 0x10000};
    return c >= 最小[len] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

bool 空白か(char32_t c) { return c == U' ' || c == U'\t' || c == U'\u3000'; }

}  // namespace

std::u32string 符号点へ(std::string_view s, 不正バイト bad) {
    std::u32string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        size_t len = 並びの長さ(b);
        if (bad == 不正バイト::置換 && !揃っている(s, i, len)) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        if (len == 0) len = 1;
        char32_t c = len == 1 ? b : b & (0x7F >> len);
        for (size_t k = 1; k < len && i + k < s.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        if (bad == 不正バイト::置換 && !正しい符号点か(c, len)) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        out += c;
        i += len;
    }
    return out;
}

std::string UTF8へ(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u32string_view 空白を除く(std::u32string_view text) {
    while (!text.empty() && 空白か(text.front())) text.remove_prefix(1);
    while (!text.empty() && 空白か(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace yukora
