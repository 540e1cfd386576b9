#include "formats/kif_header_writer.h"

#include "formats/handicap_names.h"
#include "formats/kif_notation.h"
#include "textfile/utf8.h"

namespace yukora {
namespace {

std::u32string 持駒の文字(const 持駒型& hand) {
    std::u32string s;
    for (int k = 7; k >= 1; --k) {
        if (hand[k] <= 0) continue;
        s += 盤図の駒字(持駒の駒(k));
        if (hand[k] > 1) s += 漢数字(hand[k]);
        s += U'　';
    }
    return s.empty() ? U"なし" : s;
}

bool 名前か(const 見出し項目& h) {
    return h.名前 == "先手" || h.名前 == "後手" || h.名前 == "下手" || h.名前 == "上手";
}

// Its 手合割; a board diagram too where readers may not know the name.
void 開始の行(const 記録局面& start, std::vector<std::string>& out) {
    const 手合割* h = 手合割を局面で探す(start);
    if (h != nullptr) out.push_back("手合割：" + std::string(h->名前));
    if (h == nullptr || !h->広く読まれる)
        for (std::string& line : 盤図の行(start, 後手の駒落ちか(start.p))) out.push_back(line);
}

}  // namespace

bool KIFの見出しに書けるか(const 見出し項目& h) {
    if (h.名前.empty()) {
        // A line kept whole must not read as a move, a branch or an end in KIF or KI2.
        const std::u32string t(空白を除く(符号点へ(h.値)));
        if (t.empty()) return false;
        if ((t[0] >= U'0' && t[0] <= U'9') ||
            std::u32string_view(U"▲△☗☖▼▽*&").find(t[0]) != std::u32string_view::npos)
            return false;
        return !t.starts_with(U"変化") && !t.starts_with(U"まで");
    }
    for (const char32_t c : 符号点へ(h.名前))
        if (c == U' ' || c == U'\u3000' || c == U'\t' || c == U':' || c == U'：') return false;
    return true;
}

std::string 一行に(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

std::vector<std::string> 盤図の行(const 記録局面& pos, bool 駒落ち) {
    const std::string 後 = 駒落ち ? "上手" : "後手", 先 = 駒落ち ? "下手" : "先手";
    std::vector<std::string> out;
    out.push_back(後 + "の持駒：" + UTF8へ(持駒の文字(pos.p.COM持駒)));
    out.push_back("  ９ ８ ７ ６ ５ ４ ３ ２ １");
    out.push_back("+---------------------------+");
    for (int y = 1; y <= 9; ++y) {
        std::u32string row = U"|";
        for (int x = 1; x <= 9; ++x) {
            const int c = pos.p.盤[x][y];
            row += c > 0 ? U'v' : U' ';
            row += 盤図の駒字(c);
        }
        out.push_back(UTF8へ(row + U"|" + 漢数字(y)));
    }
    out.push_back("+---------------------------+");
    out.push_back(先 + "の持駒：" + UTF8へ(持駒の文字(pos.p.MAN持駒)));
    out.push_back(pos.手番 == 先手 ? 先 + "番" : 後 + "番");
    return out;
}

std::vector<std::string> KIF見出しの行(const 対局記録& r) {
    std::vector<std::string> out;
    bool 開始済 = false;
    for (const 見出し項目& h : r.見出し) {
        if (名前か(h) && !開始済) {
            開始の行(r.開始, out);
            開始済 = true;
        }
        if (!KIFの見出しに書けるか(h)) continue;
        out.push_back(h.名前.empty() ? 一行に(h.値) : h.名前 + "：" + 一行に(h.値));
    }
    if (!開始済) 開始の行(r.開始, out);
    return out;
}

}  // namespace yukora
