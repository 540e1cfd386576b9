#include "usi/usi_move.h"

#include "rules/checked_move.h"
#include "rules/piece_letters.h"

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
    return 手番の手を指す(pos, {m.元X, m.元Y, m.先X, m.先Y, m.打駒種類, m.成り});
}

}  // namespace yukora
