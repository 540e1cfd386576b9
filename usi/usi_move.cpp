#include "usi/usi_move.h"

#include "game/board_view.h"
#include "rules/making_move.h"
#include "rules/move_test.h"
#include "usi/piece_letters.h"

namespace yukora {
namespace {

bool 桝を読む(char f, char r, int& x, int& y) {
    if (f < '1' || f > '9' || r < 'a' || r > 'i') return false;
    x = 10 - (f - '0');
    y = r - 'a' + 1;
    return true;
}

void 桝を書く(std::string& s, int x, int y) {
    s += static_cast<char>('0' + 10 - x);
    s += static_cast<char>('a' + y - 1);
}

bool 自分の駒か(int 手番, int code) { return 手番 == 先手 ? 自駒か(code) : 敵駒か(code); }

bool 王か(int code) { return code == 王 || code == -王; }

std::string 盤上の手(USI局面& pos, const USI指し手& m) {
    局面& p = pos.p;
    const int 駒 = p.盤[m.元X][m.元Y];
    if (!自分の駒か(pos.手番, 駒)) return "no piece of the side to move on the origin";
    if (移動チェック(p, m.元X, m.元Y, m.先X, m.先Y, 駒) != 1) return "the piece cannot go there";
    if (王か(p.盤[m.先X][m.先Y])) return "it takes the king";
    int 後 = 駒;
    if (m.成り) {
        if (調査_駒成(m.元X, m.元Y, m.先X, m.先Y, 駒, 後) != 1) return "the piece cannot promote";
    } else if (移動後チェック(m.先Y, 駒) == 0) {
        return "the piece must promote";
    }
    進行状態 s;
    描画なし view;
    駒移動(p, s.番, view, m.元X, m.元Y, m.先X, m.先Y, 後);
    return {};
}

std::string 打つ手(USI局面& pos, const USI指し手& m) {
    局面& p = pos.p;
    const int k = m.打駒種類;
    const bool 先手番 = pos.手番 == 先手;
    if ((先手番 ? p.MAN持駒 : p.COM持駒)[k] <= 0) return "no such piece in hand";
    const int 駒 = 先手番 ? -持駒の駒(k) : 持駒の駒(k);
    const int 元X = 先手番 ? 自持駒列 : 敵持駒列;
    const int 元Y = 先手番 ? k + 2 : k;
    調査_2歩フラグ設定(p);
    if (移動チェック(p, 元X, 元Y, m.先X, m.先Y, 駒) != 1)
        return "the piece cannot be dropped there";
    進行状態 s;
    描画なし view;
    駒移動(p, s.番, view, 元X, 元Y, m.先X, m.先Y, 駒);
    return {};
}

}  // namespace

bool USI指し手読込(std::string_view text, USI指し手& 結果) {
    USI指し手 m;
    if (text.size() == 4 && text[1] == '*') {
        m.打駒種類 = 駒文字の持駒種類(text[0]);
        if (m.打駒種類 == 0 || !桝を読む(text[2], text[3], m.先X, m.先Y)) return false;
    } else if (text.size() == 4 || (text.size() == 5 && text[4] == '+')) {
        if (!桝を読む(text[0], text[1], m.元X, m.元Y) || !桝を読む(text[2], text[3], m.先X, m.先Y))
            return false;
        m.成り = text.size() == 5;
    } else {
        return false;
    }
    結果 = m;
    return true;
}

std::string USI指し手書込(const USI指し手& m) {
    std::string s;
    if (m.打駒種類 != 0) {
        s += 駒の文字(持駒の駒(m.打駒種類));
        s += '*';
    } else {
        桝を書く(s, m.元X, m.元Y);
    }
    桝を書く(s, m.先X, m.先Y);
    if (m.成り) s += '+';
    return s;
}

std::string USI指し手を指す(USI局面& pos, const USI指し手& m) {
    if (m.打駒種類 < 0 || m.打駒種類 > 7 || !盤上か(m.先X, m.先Y) ||
        (m.打駒種類 == 0 && !盤上か(m.元X, m.元Y)))
        return "not a move";
    USI局面 next = pos;
    std::string e = m.打駒種類 != 0 ? 打つ手(next, m) : 盤上の手(next, m);
    if (!e.empty()) return e;
    next.手番 = -next.手番;
    pos = next;
    return {};
}

}  // namespace yukora
