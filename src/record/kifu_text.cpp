#include "record/kifu_text.h"

#include "record/sjis.h"

namespace yukora {
namespace {

constexpr std::string_view BOM = "\xEF\xBB\xBF";

std::vector<std::string_view> 行に分ける(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const size_t nl = bytes.find('\n');
        std::string_view line = bytes.substr(0, nl);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (nl == std::string_view::npos) break;
        bytes.remove_prefix(nl + 1);
    }
    return lines;
}

bool 空白か(char32_t c) { return c == U' ' || c == U'\t' || c == U'\u3000'; }

}  // namespace

棋譜テキスト 棋譜テキストを読む(std::string_view bytes) {
    棋譜テキスト t;
    const bool bom = bytes.substr(0, BOM.size()) == BOM;
    if (bom) bytes.remove_prefix(BOM.size());
    if (bom || UTF8か(bytes)) {
        for (const std::string_view line : 行に分ける(bytes)) {
            if (bom && !UTF8か(line)) {
                t.読めない行 = static_cast<int>(t.行.size()) + 1;
                break;
            }
            t.行.emplace_back(line);
        }
        return t;
    }
    t.元 = 文字コード::SJIS;
    // A line feed byte is never the second byte of a Shift-JIS character.
    for (const std::string_view line : 行に分ける(bytes)) {
        auto text = SJISから変換(line);
        if (!text) {
            t.読めない行 = static_cast<int>(t.行.size()) + 1;
            break;
        }
        t.行.push_back(std::move(*text));
    }
    return t;
}

std::optional<std::string> 棋譜テキストを書く(const std::vector<std::string>& lines,
                                              文字コード enc) {
    if (enc == 文字コード::SJIS) return SJIS行書式(lines);
    std::string out;
    for (const std::string& line : lines) {
        if (!UTF8か(line)) return std::nullopt;
        out += line;
        out += "\r\n";
    }
    return out;
}

std::u32string 符号点へ(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        const size_t len = b < 0x80         ? 1
                           : (b >> 5) == 6  ? 2
                           : (b >> 4) == 14 ? 3
                           : (b >> 3) == 30 ? 4
                                            : 1;
        char32_t c = len == 1 ? b : b & (0x7F >> len);
        for (size_t k = 1; k < len && i + k < s.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
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
