#include "formats/handicap_names.h"

#include "formats/csa_names.h"
#include "game/position.h"
#include "textfile/utf8.h"

namespace yukora {
namespace {

constexpr 手合割 手合割表[] = {
    {"平手", "", true},
    {"香落ち", "11KY", true},
    {"右香落ち", "91KY", true},
    {"角落ち", "22KA", true},
    {"飛車落ち", "82HI", true},
    {"飛香落ち", "82HI11KY", true},
    {"二枚落ち", "82HI22KA", true},
    {"三枚落ち", "82HI22KA11KY", false},
    {"四枚落ち", "82HI22KA11KY91KY", true},
    {"五枚落ち", "82HI22KA11KY91KY81KE", false},
    {"左五枚落ち", "82HI22KA11KY91KY21KE", false},
    {"六枚落ち", "82HI22KA11KY91KY21KE81KE", true},
    {"左七枚落ち", "82HI22KA11KY91KY21KE81KE31GI", false},
    {"右七枚落ち", "82HI22KA11KY91KY21KE81KE71GI", false},
    {"八枚落ち", "82HI22KA11KY91KY21KE81KE31GI71GI", true},
    {"十枚落ち", "82HI22KA11KY91KY21KE81KE31GI71GI41KI61KI", true},
};

局面 平手盤() {
    局面 p;
    初期配置(p);
    return p;
}

// The removals of a list in canonical order (by square), so that lists compare as sets.
std::string 並べ直す(std::string_view list) {
    局面 p = 平手盤();
    局面 q = p;
    for (size_t i = 0; i + 4 <= list.size(); i += 4) {
        const int x = 10 - (list[i] - '0'), y = list[i + 1] - '0';
        q.盤[x][y] = 0;
    }
    return 平手から落とした駒(q).value_or("");
}

bool 手駒なし(const 局面& p) {
    for (int k = 1; k <= 7; ++k)
        if (p.MAN持駒[k] != 0 || p.COM持駒[k] != 0) return false;
    return true;
}

}  // namespace

const 手合割* 手合割を名前で探す(std::u32string_view name) {
    for (const 手合割& h : 手合割表)
        if (符号点へ(h.名前) == name) return &h;
    return nullptr;
}

const 手合割* 手合割を局面で探す(const 記録局面& pos) {
    const auto removed = 平手から落とした駒(pos.p);
    if (!removed) return nullptr;
    for (const 手合割& h : 手合割表) {
        const bool 手番が合う = pos.手番 == (h.落とす駒.empty() ? 先手 : 後手);
        if (手番が合う && 並べ直す(h.落とす駒) == *removed) return &h;
    }
    return nullptr;
}

記録局面 手合割の局面(const 手合割& h) {
    記録局面 pos;
    pos.p = 平手盤();
    for (size_t i = 0; i + 4 <= h.落とす駒.size(); i += 4) {
        const int x = 10 - (h.落とす駒[i] - '0'), y = h.落とす駒[i + 1] - '0';
        pos.p.盤[x][y] = 0;
    }
    pos.手番 = h.落とす駒.empty() ? 先手 : 後手;
    return pos;
}

std::optional<std::string> 平手から落とした駒(const 局面& p) {
    if (!手駒なし(p)) return std::nullopt;
    const 局面 full = 平手盤();
    std::string out;
    for (int x = 9; x >= 1; --x) {
        for (int y = 1; y <= 9; ++y) {
            const int have = p.盤[x][y], want = full.盤[x][y];
            if (have == want) continue;
            if (have != 0 || want == 0) return std::nullopt;
            out += static_cast<char>('0' + 10 - x);
            out += static_cast<char>('0' + y);
            out += CSAの駒名(want);
        }
    }
    return out;
}

bool 後手の駒落ちか(const 局面& p) {
    const auto removed = 平手から落とした駒(p);
    if (!removed || removed->empty()) return false;
    for (size_t i = 0; i + 4 <= removed->size(); i += 4)
        if ((*removed)[i + 1] > '3') return false;  // 後手's pieces start on ranks 1..3
    return true;
}

}  // namespace yukora
