#include "formats/relative_notation.h"

#include <algorithm>
#include <vector>

#include "rules/move_legality.h"

namespace yukora {
namespace {

struct 元 {
    int x, y;
    bool operator==(const 元&) const = default;
};

// The pieces of the side to move with that code (top side's sign) that can go to the square.
std::vector<元> 動ける駒(const 記録局面& pos, int code, int 先X, int 先Y) {
    const int signed_code = pos.手番 == 先手 ? -code : code;
    std::vector<元> out;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (pos.p.盤[x][y] == signed_code &&
                移動チェック(pos.p, x, y, 先X, 先Y, signed_code) == 1)
                out.push_back({x, y});
    return out;
}

// Forward is up the board for 先手; its right is towards file 1, the larger x.
int 前(const 記録局面& pos, 元 from, int 先Y) {
    return pos.手番 == 先手 ? from.y - 先Y : 先Y - from.y;
}
int 右(const 記録局面& pos, 元 from) { return pos.手番 == 先手 ? from.x : -from.x; }

// Gold-like pieces and silvers say 直 for a move straight forward.
bool 直を使う(int code) {
    return code == 金 || code == 銀 || code == と || code == 香成 || code == 桂成 || code == 銀成;
}

// Whether the piece at `from` fits one relative word among the pieces `all`.
bool 合う(const 記録局面& pos, char32_t word, 元 from, int 先X, int 先Y,
          const std::vector<元>& all) {
    auto rightness = [&](元 o) { return 右(pos, o); };
    switch (word) {
        case U'上':
        case U'行':
        case U'入': return 前(pos, from, 先Y) > 0;
        case U'引': return 前(pos, from, 先Y) < 0;
        case U'寄': return 前(pos, from, 先Y) == 0;
        case U'直': return from.x == 先X && 前(pos, from, 先Y) > 0;
        case U'右':
        case U'左': {
            int best = rightness(all.front());
            for (元 o : all)
                best = word == U'右' ? std::max(best, rightness(o)) : std::min(best, rightness(o));
            return rightness(from) == best;
        }
        default: return false;
    }
}

std::vector<元> 絞る(const 記録局面& pos, std::u32string_view words, int 先X, int 先Y,
                     const std::vector<元>& all) {
    std::vector<元> out;
    for (元 from : all) {
        bool ok = true;
        for (const char32_t w : words) ok = ok && 合う(pos, w, from, 先X, 先Y, all);
        if (ok) out.push_back(from);
    }
    return out;
}

}  // namespace

std::u32string 相対の文字(const 記録局面& pos, const 記録の手& m) {
    if (m.打駒 != 0) {
        const bool 盤からも = !動ける駒(pos, 持駒の駒(m.打駒), m.先X, m.先Y).empty();
        return 盤からも ? U"打" : U"";
    }
    const int on = pos.p.盤[m.元X][m.元Y];
    const int code = on < 0 ? -on : on;
    const std::vector<元> all = 動ける駒(pos, code, m.先X, m.先Y);
    if (all.size() <= 1) return {};
    const 元 ours{m.元X, m.元Y};
    const int f = 前(pos, ours, m.先Y);
    const std::u32string dir = f > 0 ? U"上" : f < 0 ? U"引" : U"寄";
    std::u32string side;
    if (直を使う(code) && 合う(pos, U'直', ours, m.先X, m.先Y, all)) side = U"直";
    else if (合う(pos, U'右', ours, m.先X, m.先Y, all)) side = U"右";
    else if (合う(pos, U'左', ours, m.先X, m.先Y, all)) side = U"左";
    for (const std::u32string& words : {dir, side, side + dir}) {
        if (words.empty()) continue;
        const std::vector<元> left = 絞る(pos, words, m.先X, m.先Y, all);
        if (left.size() == 1 && left.front() == ours) return words;
    }
    return side + dir;  // no like pieces stand so that this fails
}

std::string KI2の手を探す(const 記録局面& pos, const KI2の指定& s, 記録の手& m) {
    m = {};
    m.先X = s.先X;
    m.先Y = s.先Y;
    const bool 打 = s.相対.find(U'打') != std::u32string_view::npos;
    std::u32string words;
    for (const char32_t c : s.相対)
        if (c != U'打') words += c;
    const std::vector<元> all = 打 ? std::vector<元>{} : 動ける駒(pos, s.駒, s.先X, s.先Y);
    const std::vector<元> left = 絞る(pos, words, s.先X, s.先Y, all);
    if (left.size() > 1) return "more than one piece can make that move";
    if (left.size() == 1) {
        m.元X = left.front().x;
        m.元Y = left.front().y;
        m.成り = s.成り;
        return {};
    }
    // No piece on the board goes there: a drop of a piece in hand.
    const int kind = 持駒種類(s.駒);
    if (!words.empty() || kind == 0 || 持駒の駒(kind) != s.駒 || s.成り)
        return "no piece of the side to move can make that move";
    m.打駒 = kind;
    return {};
}

}  // namespace yukora
