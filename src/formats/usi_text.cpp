#include "formats/usi_text.h"

#include <vector>

#include "formats/record_move.h"
#include "rules/sfen.h"
#include "rules/usi_notation.h"

namespace yukora {
namespace {

std::vector<std::string_view> 語に分ける(std::string_view text) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() &&
               std::string_view(" \t\r\n").find(text[i]) != std::string_view::npos)
            ++i;
        const size_t start = i;
        while (i < text.size() &&
               std::string_view(" \t\r\n").find(text[i]) == std::string_view::npos)
            ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

bool 数字だけか(std::string_view t) {
    if (t.empty() || t.size() > 9) return false;
    for (const char c : t)
        if (c < '0' || c > '9') return false;
    return true;
}

// A board of nine ranks: eight slashes.
bool 盤面らしいか(std::string_view w) {
    size_t slashes = 0;
    for (const char c : w) slashes += c == '/';
    return slashes == 8;
}

// The start; `i` is left at the first word after it.
std::string 開始を読む(const std::vector<std::string_view>& w, size_t& i, 記録局面& start) {
    if (i < w.size() && w[i] == "position") ++i;
    if (i < w.size() && w[i] == "startpos") {
        start = 平手局面();
        ++i;
        return {};
    }
    if (i < w.size() && w[i] == "sfen") ++i;
    if (i + 3 > w.size()) return "the sfen is incomplete";
    if (std::string e = SFEN読込(w[i], w[i + 1], w[i + 2], start); !e.empty()) return e;
    i += 3;
    if (i < w.size() && 数字だけか(w[i])) ++i;
    return {};
}

}  // namespace

bool USI行らしいか(std::string_view text) {
    const std::vector<std::string_view> w = 語に分ける(text.substr(0, text.find('\n')));
    if (w.empty()) return false;
    return w[0] == "position" || w[0] == "startpos" || w[0] == "sfen" || 盤面らしいか(w[0]);
}

読込結果 USI行を読む(std::string_view text) {
    const std::vector<std::string_view> w = 語に分ける(text);
    読込結果 res;
    size_t i = 0;
    if (std::string e = 開始を読む(w, i, res.記録.開始); !e.empty()) {
        res.エラー = 読込エラー{0, 0, e};
        return res;
    }
    if (i < w.size() && w[i] != "moves") {
        res.エラー = 読込エラー{0, 1, "\"moves\" expected"};
        return res;
    }
    記録局面 pos = res.記録.開始;
    for (++i; i < w.size(); ++i) {
        const int n = static_cast<int>(res.記録.手.size()) + 1;
        指定の手 m;
        if (!USI手を読む(w[i], m)) {
            res.エラー = 読込エラー{0, n, "not a move"};
            return res;
        }
        const 記録の手 move{m.元X, m.元Y, m.先X, m.先Y, m.打駒, m.成り};
        if (std::string e = 記録の手を指す(pos, move); !e.empty()) {
            res.エラー = 読込エラー{0, n, e};
            return res;
        }
        res.記録.手.push_back(move);
    }
    return res;
}

std::string position行を書く(const 対局記録& r) {
    const 記録局面 usual = 平手局面();
    const bool 平手 = r.開始.手番 == usual.手番 && 同じ配置(r.開始.p, usual.p);
    std::string line = 平手 ? "position startpos" : "position sfen " + SFEN書込(r.開始);
    if (!r.手.empty()) line += " moves";
    for (const 記録の手& m : r.手)
        line += " " + USI手を書く({m.元X, m.元Y, m.先X, m.先Y, m.打駒, m.成り});
    return line;
}

}  // namespace yukora
