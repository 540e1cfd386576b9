#include "formats/format_detection.h"

#include "own_format/record_line.h"
#include "textfile/utf8.h"

namespace yukora {
namespace {

bool 数字か(char c) { return c >= '0' && c <= '9'; }

// The fourth line is an entry of the own format: 358 characters of codes, counts and times.
bool 棋譜ファイルか(std::string_view bytes) {
    for (int i = 0; i < 3; ++i) {
        const size_t nl = bytes.find('\n');
        if (nl == std::string_view::npos) return false;
        bytes.remove_prefix(nl + 1);
    }
    std::string_view entry = bytes.substr(0, bytes.find('\n'));
    if (!entry.empty() && entry.back() == '\r') entry.remove_suffix(1);
    if (entry.size() != static_cast<size_t>(棋譜行の長さ)) return false;
    for (const char c : entry)
        if (!数字か(c) && c != ' ' && c != '-' && !(c >= 'A' && c <= 'I')) return false;
    return true;
}

bool CSAの行か(std::string_view s) {
    if (s.starts_with("V2") || s.starts_with("V3") || s.starts_with("N+") || s.starts_with("N-") ||
        s.starts_with("PI") || s.starts_with("P+") || s.starts_with("P-"))
        return true;
    if (s.size() >= 2 && s[0] == 'P' && s[1] >= '1' && s[1] <= '9') return true;
    if (s.size() >= 7 && (s[0] == '+' || s[0] == '-') && 数字か(s[1]) && 数字か(s[2]) &&
        数字か(s[3]) && 数字か(s[4]) && s[5] >= 'A' && s[5] <= 'Z')
        return true;
    return s.size() >= 2 && (s[0] == '$' || s[0] == '%') && s[1] >= 'A' && s[1] <= 'Z';
}

bool KIFの行か(std::u32string_view t) {
    size_t i = 0;
    while (i < t.size() && (t[i] == U' ' || t[i] == U'\u3000')) ++i;
    const size_t digits = i;
    while (i < t.size() && t[i] >= U'0' && t[i] <= U'9') ++i;
    return i > digits && i < t.size() && (t[i] == U' ' || t[i] == U'\u3000');
}

bool KI2の行か(std::u32string_view t) {
    if (t.size() < 2 || std::u32string_view(U"▲△☗☖").find(t[0]) == std::u32string_view::npos)
        return false;
    return t[1] == U'同' || (t[1] >= U'１' && t[1] <= U'９') || (t[1] >= U'1' && t[1] <= U'9');
}

}  // namespace

内容の種類 内容の形式(std::string_view bytes, const std::vector<std::string>& lines) {
    if (棋譜ファイルか(bytes)) return 内容の種類::棋譜;
    int kif = 0, ki2 = 0, csa = 0;
    for (const std::string& line : lines) {
        const std::u32string t = 符号点へ(line);
        kif += KIFの行か(t) || t.starts_with(U"手数----");
        ki2 += KI2の行か(t);
        csa += CSAの行か(line);
    }
    if (kif > 0) return 内容の種類::KIF;
    if (ki2 > 0) return 内容の種類::KI2;
    if (csa > 0) return 内容の種類::CSA;
    return 内容の種類::不明;
}

}  // namespace yukora
