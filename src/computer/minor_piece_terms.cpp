#include "computer/piece_terms.h"
#include "computer/surveys.h"
#include "rules/move_legality.h"

namespace yukora {

点数 盤評価_駒別(const 評価対象& e) {
    switch (e.置駒) {
        case 歩: return 盤評価_歩(e);
        case と: return 盤評価_と(e);
        case 香: return 盤評価_香(e);
        case 桂: return 盤評価_桂(e);
        case 銀: return 盤評価_銀(e);
        case 金: return 盤評価_金(e);
        case 角: return 盤評価_角(e);
        case 角成: return 盤評価_角成(e);
        case 飛: return 盤評価_飛(e);
        case 飛成: return 盤評価_飛成(e);
        case 王: return 盤評価_王(e);
        default: return 0;  // promoted lance, knight and silver get nothing here
    }
}

点数 盤評価_と(const 評価対象& e) {
    return e.m.勢力COM[e.先X][e.先Y] >= e.m.勢力MAN[e.先X][e.先Y] ? 点(1) : 0;
}

namespace {

// A lance dropped right behind a human piece that shields a more valuable one further down.
点数 香打ちの串刺し(const 評価対象& e) {
    const auto& p = e.p;
    const int tx = e.先X, ty = e.先Y;
    for (int i = ty + 2; i <= 9; ++i) {
        const int c = p.盤[tx][i];
        if (c == 0) continue;
        if (移動チェック(p, tx, ty + 1, tx, i, 香) == 1 && c < -香) return 点(-c);
        return 0;
    }
    return 0;
}

点数 香打ち(const 評価対象& e) {
    const auto& p = e.p;
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y;
    if (ty >= 8) return 0;
    点数 s = 0;
    if (p.MAN持駒[持駒_歩] > 0 && m.勢力MAN[tx][ty] == 0 && m.勢力MAN[tx][ty + 1] > 0) s -= 点(10);
    if (p.盤[tx][ty + 1] <= -香 &&
        (m.勢力MAN[tx][ty] == 0 || m.勢力COM[tx][ty] >= m.勢力MAN[tx][ty]))
        s += 香打ちの串刺し(e);
    return s;
}

}  // namespace

点数 盤評価_香(const 評価対象& e) {
    点数 s = 0;
    if (e.p.COM持駒[持駒_桂] > 0) s += 点(調査_桂狙い(e.p, e.m, e.先X, e.先Y));
    if (e.打ちか()) return s + 香打ち(e);
    if (e.取駒 == 0) return s - 9;
    if (e.取駒 == -香) {
        s += 点(10);
        if (e.m.勢力MAN[e.先X][e.先Y] >= 1) s += 点(10);
    }
    return s;
}

点数 盤評価_桂(const 評価対象& e) {
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y;
    点数 s = -1;
    if (ty < 9 && m.勢力MAN[tx][ty + 1] > 0) s -= 点(1);
    if (ty < 8 && tx > 1 && tx < 9) {
        if (m.勢力MAN[tx - 1][ty + 2] > 0 && m.勢力MAN[tx + 1][ty + 2] > 0) s -= 点(1);
        if (tx == 7 && ty == 3 && e.p.盤[8][4] == 角) s -= 点(5);
    }
    return s;
}

点数 盤評価_銀(const 評価対象& e) {
    const auto& b = e.p.盤;
    const int tx = e.先X, ty = e.先Y;
    if (ty <= 1) return 0;
    点数 s = 0;
    if (ty > e.元Y) {
        const bool 人の銀が五段 = b[7][5] == -銀 || b[8][5] == -銀 || b[9][5] == -銀;
        if (e.元X == tx) s += 人の銀が五段 ? 点(5) : -1;
    }
    if (b[tx][ty - 1] == 桂) s -= 5;
    if (tx == 7 && ty == 3 && b[8][3] == 歩 && b[8][5] == -歩) s += 点(115);
    if (tx == 4 && ty == 2 && b[3][2] == 王) s += 点(5);
    return s;
}

点数 盤評価_金(const 評価対象& e) {
    const auto& p = e.p;
    const auto& b = p.盤;
    const int tx = e.先X, ty = e.先Y;
    点数 s = 0;
    if (ty > e.元Y && e.元X != tx) s -= 5;
    if (ty == 4 && b[6][4] == 角 && e.m.勢力MAN[6][4] > 0) return s - 点(5);
    if (ty == 2) {
        if (tx == 7 && b[8][3] == 歩 && b[8][6] == -歩 && e.m.守駒MAN[8][6] == -飛) s += 点(10);
        if (p.MAN持駒[持駒_角] > 0 && e.c.勢力COM前[tx][ty + 1] == 0 && b[tx][ty + 1] >= 10) {
            s += 点(2);
            if (e.c.勢力COM前[tx][ty + 2] == 1 && b[tx][ty + 2] == 角) s += 点(125);
        }
    }
    return s;
}

}  // namespace yukora
