#include "own_format/record_line.h"

#include <cmath>

#include "textfile/utf8.h"

namespace yukora {
namespace {

constexpr int 盤幅 = 4, 時間幅 = 5;

// Right-aligned with leading blanks in a field of `width`.
void 右寄せ(std::string& out, int value, int width) {
    const std::string text = std::to_string(value);
    out.append(static_cast<size_t>(width) - text.size(), ' ');
    out += text;
}

// Blanks, an optional minus, digits, optional blanks; anything else (or nothing) is 0.
int 数値(std::u32string_view f) {
    size_t i = 0;
    while (i < f.size() && f[i] == U' ') ++i;
    const bool neg = i < f.size() && f[i] == U'-';
    if (neg) ++i;
    int v = 0, digits = 0;
    for (; i < f.size() && f[i] >= U'0' && f[i] <= U'9'; ++i, ++digits)
        v = v * 10 + int(f[i] - U'0');
    while (i < f.size() && f[i] == U' ') ++i;
    if (digits == 0 || i != f.size()) return 0;
    return neg ? -v : v;
}

// The field at character position p (0-based) of `width`, shorter where the line ends.
std::u32string_view 欄(std::u32string_view line, size_t p, size_t width) {
    if (p >= line.size()) return {};
    return line.substr(p, width);
}

}  // namespace

char 持駒数の文字(int count) {
    if (count <= 0) return '0';
    if (count <= 9) return static_cast<char>('0' + count);
    if (count <= 18) return static_cast<char>('A' + count - 10);
    return 'I';
}

int 持駒数の値(char32_t c) {
    if (c >= U'0' && c <= U'9') return int(c - U'0');
    if (c >= U'A' && c <= U'I') return int(c - U'A') + 10;
    return 0;
}

int 記録秒(float seconds) {
    if (!(seconds > -10000.0f)) return seconds < 0 ? -9999 : 0;  // NaN reads as 0
    if (seconds >= 100000.0f) return 99999;
    return static_cast<int>(std::trunc(seconds));
}

std::string 書式_棋譜行(const 手順記録& e) {
    std::string out;
    out.reserve(棋譜行の長さ);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int c = e.盤[x][y];
            右寄せ(out, c == 0 || 盤の駒コードか(c) ? c : 0, 盤幅);
        }
    for (int k = 1; k <= 7; ++k) {
        out += 持駒数の文字(e.MAN持駒[k]);
        out += 持駒数の文字(e.COM持駒[k]);
    }
    for (const float t : {e.MAN時間前, e.MAN時間後, e.COM時間前, e.COM時間後})
        右寄せ(out, 記録秒(t), 時間幅);
    return out;
}

手順記録 解析_棋譜行(std::string_view utf8) {
    const std::u32string chars = 符号点へ(utf8, 不正バイト::置換);
    const std::u32string_view line = chars;
    手順記録 e;
    size_t p = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y, p += 盤幅) {
            const int c = 数値(欄(line, p, 盤幅));
            e.盤[x][y] = static_cast<駒型>(盤の駒コードか(c) ? c : 0);
        }
    for (int k = 1; k <= 7; ++k, p += 2) {
        e.MAN持駒[k] = static_cast<駒型>(p < line.size() ? 持駒数の値(line[p]) : 0);
        e.COM持駒[k] = static_cast<駒型>(p + 1 < line.size() ? 持駒数の値(line[p + 1]) : 0);
    }
    float* times[4] = {&e.MAN時間前, &e.MAN時間後, &e.COM時間前, &e.COM時間後};
    for (float* t : times) {
        *t = static_cast<float>(数値(欄(line, p, 時間幅)));
        p += 時間幅;
    }
    return e;
}

}  // namespace yukora
