#include "computer/piece_terms.h"
#include "computer/surveys.h"

namespace yukora {
namespace {

点数 歩打ち(const 評価対象& e) {
    const auto& p = e.p;
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y;
    点数 s = 0;
    if (m.勢力COM[tx][ty] == 0 && ty > 1 && p.盤[tx][ty - 1] >= 銀 &&
        (p.MAN持駒[持駒_歩] > 0 || p.MAN持駒[持駒_香] > 0))
        s += 点(6);
    if (p.盤[2][8] == -角 && tx == 2 && ty == 7 && (m.勢力MAN[2][7] == 0 || m.勢力COM[2][7] > 0))
        s += 点(30);
    // A defended pawn dropped in front of a human lance or rook that attacks it up the file.
    const int ax = m.攻駒MAN_X[tx][ty], ay = m.攻駒MAN_Y[tx][ty];
    if (!(m.勢力MAN[ax][ay] == 0 && e.c.勢力COM前[ax][ay] > 0)) {
        const int a = m.攻駒MAN[tx][ty];
        if (m.勢力COM[tx][ty] > 0 && ax == tx && (a == -香 || a == -飛) && ty < ay)
            return s + 点(120);
    }
    return s;
}

// Against a human piece directly in front; ends the evaluation.
点数 前に人の駒(const 評価対象& e, int 前) {
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y;
    const int 機 = m.勢力COM[tx][ty], 人 = m.勢力MAN[tx][ty];
    if (機 > 人) return 点(1);
    if (前 == -歩) return -点(5);
    if (機 > 0) {
        if (e.c.勢力MAN前[tx][ty + 1] == 0 && e.c.勢力COM前[tx][ty + 1] > 0) return -点(1);
        return 機 == 人 ? 点(5) : 0;
    }
    return 人 == 0 ? 点(1) : 0;
}

// Patterns around bishops beside the pawn, only well before the human camp.
点数 角の脇(const 評価対象& e) {
    const auto& p = e.p;
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y;
    点数 s = 0;
    if (p.盤[tx][ty + 1] == -歩 && m.勢力MAN[tx][ty + 1] > 0) s -= 点(5);
    if (tx < 9 && p.盤[tx + 1][ty] == 角) {
        s += 5;
        if (p.盤[tx + 1][ty + 2] == -歩) s += 点(5);
    }
    if (tx > 1) {
        if (tx == 7 && ty == 4 && p.盤[8][2] == 角) s += 点(10);
        if (p.盤[tx - 1][ty] == 角) {
            s += 5;
            if (p.盤[tx - 1][ty + 2] == -歩) s += 点(5);
        }
    }
    return s;
}

点数 歩の移動(const 評価対象& e) {
    const auto& p = e.p;
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y;
    const int 守 = m.守駒COM[tx][ty];
    点数 s = -1;
    if (守 == 金 || 守 == 銀) s += 6;
    if (ty >= 8) return s;
    if (守 == 香) s += 点(1);
    else if (守 == 飛 && m.守駒COM_X[tx][ty] == tx && m.守駒COM_Y[tx][ty] < ty &&
             m.勢力COM[tx][ty] >= m.勢力MAN[tx][ty])
        s += 点(2);
    if (m.勢力MAN[tx][ty + 1] == 0 && p.盤[tx][ty + 2] <= -桂) s += 点(1);
    if (ty < 7) s += 角の脇(e);
    if (m.勢力COM[e.元X][e.元Y] == 1 && e.取駒 <= -10) {
        const int a = m.攻駒MAN[tx][ty];
        if (ty > 2 && a == -香 && p.盤[tx][ty - 2] == 角) s -= 点(5);
        else s += 点(5);
        if (e.取駒 == -歩 && (a == -香 || a == -飛)) s += 点(50);
    }
    const int 前 = p.盤[tx][ty + 1];
    if (前 <= -10) s += 前に人の駒(e, 前);
    return s;
}

}  // namespace

点数 盤評価_歩(const 評価対象& e) {
    const auto& p = e.p;
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y;
    点数 s = 0;
    if (p.COM持駒[持駒_香] > 0) s += 点(調査_香狙い(p, m, tx, ty));
    if (p.COM持駒[持駒_桂] > 0) s += 点(調査_桂狙い(p, m, tx, ty));
    if (ty < 9) {
        const int 前 = p.盤[tx][ty + 1];
        if (前 == 金) s += 5;
        else if (前 == 飛) s -= 点(1);
        if (前 < -10 && 調査_移動可場所数(p, m, tx, ty + 1, 前) == 0) s += 点(-前);
    }
    if (m.勢力COM[tx][ty] != 0) {
        if (tx > 1 && tx < 9 && (p.盤[tx - 1][ty] == 飛 || p.盤[tx + 1][ty] == 飛)) s -= 点(1);
        if (m.勢力COM[tx][ty] >= m.勢力MAN[tx][ty] && ty < 9 && p.盤[tx][ty + 1] <= -10) s += 点(1);
    }
    return s + (e.打ちか() ? 歩打ち(e) : 歩の移動(e));
}

}  // namespace yukora
