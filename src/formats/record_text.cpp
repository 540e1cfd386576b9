#include "formats/record_text.h"

#include "textfile/sjis.h"

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

}  // namespace yukora
