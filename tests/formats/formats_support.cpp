#include "formats/formats_support.h"

#include <gtest/gtest.h>

#include "formats/record_move.h"
#include "rules/sfen.h"

namespace yukora::test::棋譜交換 {

std::string SFEN(const 記録局面& pos) {
    const std::string s = SFEN書込(pos);
    return s.substr(0, s.rfind(' '));
}

記録局面 SFENの局面(std::string_view sfen) {
    std::vector<std::string_view> f;
    for (size_t start = 0; start <= sfen.size();) {
        const size_t sp = sfen.find(' ', start);
        f.push_back(sfen.substr(start, sp == std::string_view::npos ? sp : sp - start));
        if (sp == std::string_view::npos) break;
        start = sp + 1;
    }
    記録局面 u;
    EXPECT_GE(f.size(), 3u);
    if (f.size() < 3) return {};
    const std::string e = SFEN読込(f[0], f[1], f[2], u);
    EXPECT_EQ(e, "") << sfen;
    return u;
}

記録局面 最後の局面(const 対局記録& r) {
    記録局面 pos = r.開始;
    for (const 記録の手& m : r.手)
        if (!記録の手を指す(pos, m).empty()) break;
    return pos;
}

std::vector<std::string> 行に(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const size_t nl = text.find('\n');
        lines.emplace_back(text.substr(0, nl));
        if (nl == std::string_view::npos) break;
        text.remove_prefix(nl + 1);
    }
    return lines;
}

}  // namespace yukora::test::棋譜交換
