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

namespace {

void 注記(std::vector<std::string>& out, const std::string& pad,
          const std::vector<std::string>& comments, const std::string& 栞) {
    for (const std::string& c : comments) out.push_back(pad + "* " + c);
    if (!栞.empty()) out.push_back(pad + "& " + 栞);
}

void 列(std::vector<std::string>& out, const 手の列& line, 記録局面 pos, int n,
        const std::string& pad) {
    std::vector<記録局面> before;
    for (const 記録の手& m : line.手) {
        before.push_back(pos);
        std::string usi = m.打駒 != 0 ? std::string(1, "?PLNSGBR"[m.打駒]) + "*"
                                      : std::to_string(10 - m.元X) + char('a' + m.元Y - 1);
        usi += std::to_string(10 - m.先X) + char('a' + m.先Y - 1) + (m.成り ? "+" : "");
        out.push_back(pad + std::to_string(n++) + " " + usi + " " + std::to_string(m.秒) + "s");
        注記(out, pad, m.コメント, m.栞);
        記録の手を指す(pos, m);
    }
    if (line.終局 != 終局理由::なし) {
        out.push_back(pad + "終局" + std::to_string(static_cast<int>(line.終局)) + " " +
                      std::to_string(line.終局の秒) + "s");
        注記(out, pad, line.終局のコメント, {});
    }
    for (size_t i = line.手.size(); i-- > 0;) {
        for (const 手の列& b : line.手[i].変化) {
            const int at = n - static_cast<int>(line.手.size() - i);
            out.push_back(pad + "変化 " + std::to_string(at));
            列(out, b, before[i], at, pad + "  ");
        }
    }
}

}  // namespace

std::vector<std::string> 木(const 対局記録& r) {
    std::vector<std::string> out;
    注記(out, "", r.開始のコメント, r.開始の栞);
    列(out, r, r.開始, 1, "");
    return out;
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
