#include "engine/usi_notation.h"

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

bool USI手を読む(std::string_view text, 指定の手& 結果) {
    指定の手 m;
    if (text.size() == 4 && text[1] == '*') {
        m.打駒 = 駒文字の持駒種類(text[0]);
        if (m.打駒 == 0 || !桝を読む(text[2], text[3], m.先X, m.先Y)) return false;
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

std::string USI手を書く(const 指定の手& m) {
    std::string s;
    if (m.打駒 != 0) {
        s += 駒の文字(持駒の駒(m.打駒));
        s += '*';
    } else {
        桝を書く(s, m.元X, m.元Y);
    }
    桝を書く(s, m.先X, m.先Y);
    if (m.成り) s += '+';
    return s;
}

}  // namespace yukora
