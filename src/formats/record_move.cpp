#include "formats/record_move.h"

#include "rules/checked_move.h"

namespace yukora {
namespace {

bool 手番の駒か(int 手番, int code) { return 手番 == 先手 ? 自駒か(code) : 敵駒か(code); }

bool 王か(int code) { return code == 王 || code == -王; }

const 持駒型& 手駒(const 局面& p, int 手番) { return 手番 == 先手 ? p.MAN持駒 : p.COM持駒; }

bool 同じ手駒(const 局面& a, const 局面& b) {
    return a.MAN持駒 == b.MAN持駒 && a.COM持駒 == b.COM持駒;
}

// Makes the candidate and compares the result with `後`. A king taken goes to no hand, so
// that capture is judged as a move to the empty square.
bool 確かめる(const 記録局面& 前, const 局面& 後, const 記録の手& m) {
    記録局面 next = 前;
    if (m.打駒 == 0 && 王か(next.p.盤[m.先X][m.先Y])) next.p.盤[m.先X][m.先Y] = 0;
    if (!記録の手を指す(next, m).empty()) return false;
    return next.p.盤 == 後.盤 && 同じ手駒(next.p, 後);
}

}  // namespace

int 動かす駒(const 記録局面& pos, const 記録の手& m) {
    if (m.打駒 >= 1 && m.打駒 <= 7) {
        if (手駒(pos.p, pos.手番)[m.打駒] <= 0) return 0;
        return pos.手番 == 先手 ? -持駒の駒(m.打駒) : 持駒の駒(m.打駒);
    }
    if (m.打駒 != 0 || !盤上か(m.元X, m.元Y)) return 0;
    return pos.p.盤[m.元X][m.元Y];
}

std::string 記録の手を指す(記録局面& pos, const 記録の手& m) {
    return 手番の手を指す(pos, {m.元X, m.元Y, m.先X, m.先Y, m.打駒, m.成り});
}

bool 手を探す(const 記録局面& 前, const 局面& 後, 記録の手& m) {
    int 空いた = 0, 置いた = 0;
    記録の手 c;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int a = 前.p.盤[x][y], b = 後.盤[x][y];
            if (a == b) continue;
            if (b == 0) {
                ++空いた;
                c.元X = x, c.元Y = y;
            } else {
                ++置いた;
                c.先X = x, c.先Y = y;
            }
        }
    }
    if (置いた != 1 || 空いた > 1) return false;
    const int 後の駒 = 後.盤[c.先X][c.先Y];
    if (!手番の駒か(前.手番, 後の駒)) return false;
    if (空いた == 0) {
        c.打駒 = 持駒種類(後の駒);
        if (c.打駒 == 0 || 前.p.盤[c.先X][c.先Y] != 0) return false;
    } else {
        const int 元の駒 = 前.p.盤[c.元X][c.元Y];
        c.成り = 元の駒 != 後の駒;
    }
    if (!確かめる(前, 後, c)) return false;
    m = c;
    return true;
}

}  // namespace yukora
