#include "record/record_move.h"

#include "game/board_view.h"
#include "rules/making_move.h"
#include "rules/move_test.h"

namespace yukora {
namespace {

// How many pieces of each hand kind a set has, both sides together.
constexpr int 駒の総数[8] = {0, 18, 4, 4, 4, 4, 2, 2};

bool 手番の駒か(int 手番, int code) { return 手番 == 先手 ? 自駒か(code) : 敵駒か(code); }

bool 王か(int code) { return code == 王 || code == -王; }

// The hand slot the rules expect as the origin of a drop.
int 打つ列(int 手番) { return 手番 == 先手 ? 自持駒列 : 敵持駒列; }
int 打つ段(int 手番, int kind) { return 手番 == 先手 ? kind + 2 : kind; }

const 持駒型& 手駒(const 局面& p, int 手番) { return 手番 == 先手 ? p.MAN持駒 : p.COM持駒; }

std::string 盤上の手(記録局面& pos, const 記録の手& m) {
    局面& p = pos.p;
    const int 駒 = p.盤[m.元X][m.元Y];
    if (!手番の駒か(pos.手番, 駒)) return "no piece of the side to move on the origin";
    if (移動チェック(p, m.元X, m.元Y, m.先X, m.先Y, 駒) != 1) return "the piece cannot go there";
    if (王か(p.盤[m.先X][m.先Y])) return "the move takes the king";
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

std::string 打つ手(記録局面& pos, const 記録の手& m) {
    局面& p = pos.p;
    if (m.成り) return "a dropped piece cannot promote";
    if (手駒(p, pos.手番)[m.打駒] <= 0) return "no such piece in hand";
    const int 駒 = pos.手番 == 先手 ? -持駒の駒(m.打駒) : 持駒の駒(m.打駒);
    const int 元X = 打つ列(pos.手番), 元Y = 打つ段(pos.手番, m.打駒);
    調査_2歩フラグ設定(p);
    if (移動チェック(p, 元X, 元Y, m.先X, m.先Y, 駒) != 1)
        return "the piece cannot be dropped there";
    進行状態 s;
    描画なし view;
    駒移動(p, s.番, view, 元X, 元Y, m.先X, m.先Y, 駒);
    return {};
}

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
    if (m.打駒 < 0 || m.打駒 > 7 || !盤上か(m.先X, m.先Y) || (m.打駒 == 0 && !盤上か(m.元X, m.元Y)))
        return "not a move";
    記録局面 next = pos;
    const std::string e = m.打駒 != 0 ? 打つ手(next, m) : 盤上の手(next, m);
    if (!e.empty()) return e;
    next.手番 = -next.手番;
    pos = next;
    return {};
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

std::string 開始局面の問題(const 局面& p) {
    int 数[8] = {};
    int 先手王 = 0, 後手王 = 0;
    for (int x = 1; x <= 9; ++x) {
        int 先手歩 = 0, 後手歩 = 0;
        for (int y = 1; y <= 9; ++y) {
            const int c = p.盤[x][y];
            if (c == 0) continue;
            if (!盤の駒コードか(c)) return "an unknown piece on the board";
            if (c == -王) ++先手王;
            else if (c == 王) ++後手王;
            else ++数[持駒種類(c)];
            if (移動後チェック(y, c) == 0) return "a piece on the board could never move";
            先手歩 += c == -歩;
            後手歩 += c == 歩;
        }
        if (先手歩 > 1 || 後手歩 > 1) return "two pawns of one side in a file";
    }
    if (先手王 != 1 || 後手王 != 1) return "each side needs exactly one king";
    for (int k = 1; k <= 7; ++k) {
        if (p.MAN持駒[k] < 0 || p.COM持駒[k] < 0) return "a negative count in a hand";
        if (数[k] + p.MAN持駒[k] + p.COM持駒[k] > 駒の総数[k]) return "more pieces than a set has";
    }
    return {};
}

}  // namespace yukora
