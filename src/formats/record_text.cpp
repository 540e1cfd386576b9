#include "formats/record_text.h"

#include <algorithm>

#include "textfile/sjis.h"
#include "textfile/utf8.h"

namespace yukora {
namespace {

constexpr std::string_view BOM = "\xEF\xBB\xBF";

std::vector<std::string> 行に分ける(std::string_view bytes) {
    const char end = bytes.find('\n') == std::string_view::npos ? '\r' : '\n';
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const size_t nl = bytes.find(end);
        std::string line(bytes.substr(0, nl));
        std::erase(line, '\r');
        lines.push_back(std::move(line));
        if (nl == std::string_view::npos) break;
        bytes.remove_prefix(nl + 1);
    }
    return lines;
}

bool ASCIIだけ(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return (c & 0x80) == 0; });
}

// Lines with other characters than ASCII are UTF-8 at least as often as not.
bool UTF8の行が多い(const std::vector<std::string>& lines) {
    int utf8 = 0, other = 0;
    for (const std::string& line : lines) {
        if (ASCIIだけ(line)) continue;
        (UTF8か(line) ? utf8 : other) += 1;
    }
    return utf8 >= other;
}

// One character at a time: the bytes of a Shift-JIS character that has no code become U+FFFD.
std::string SJISを置き換えて(std::string_view bytes) {
    std::string out;
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        const size_t len = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC) ? 2 : 1;
        const auto c = SJISから変換(bytes.substr(i, len));
        out += c ? *c : "\xEF\xBF\xBD";
        i += std::min(len, bytes.size() - i);
    }
    return out;
}

// The line in the file's encoding, else in the other; false when neither holds it whole.
bool 読む(std::string_view bytes, 文字コード enc, std::string& text) {
    if (enc == 文字コード::SJIS) {
        if (auto t = SJISから変換(bytes)) return text = std::move(*t), true;
        if (UTF8か(bytes)) return text = bytes, true;
        text = SJISを置き換えて(bytes);
        return false;
    }
    if (UTF8か(bytes)) return text = bytes, true;
    if (auto t = SJISから変換(bytes)) return text = std::move(*t), true;
    text = UTF8へ(符号点へ(bytes, 不正バイト::置換));
    return false;
}

}  // namespace

棋譜テキスト 棋譜テキストを読む(std::string_view bytes) {
    棋譜テキスト t;
    const bool bom = bytes.substr(0, BOM.size()) == BOM;
    if (bom) bytes.remove_prefix(BOM.size());
    const std::vector<std::string> lines = 行に分ける(bytes);
    t.元 = bom || UTF8の行が多い(lines) ? 文字コード::UTF8 : 文字コード::SJIS;
    for (const std::string& line : lines) {
        std::string text;
        if (!読む(line, t.元, text)) t.置き換えた行.push_back(static_cast<int>(t.行.size()) + 1);
        t.行.push_back(std::move(text));
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

}  // namespace yukora
