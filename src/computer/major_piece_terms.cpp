#include "computer/piece_terms.h"
#include "computer/surveys.h"

namespace yukora {
namespace {

int 絶対値(int v) { return v < 0 ? -v : v; }

// Is the destination one the human does not reach, or one only the king could take?
bool 安全か王のみ(const 評価対象& e) {
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y;
    return m.勢力MAN[tx][ty] == 0 || (m.攻駒MAN[tx][ty] == -王 && m.勢力COM[tx][ty] > 0);
}

// On the human king's file or rank, at most two squares away.
bool 王の筋で近い(const 評価対象& e) {
    const int tx = e.先X, ty = e.先Y, kx = e.p.MAN王X, ky = e.p.MAN王Y;
    return (tx == kx || ty == ky) && 絶対値(kx - tx) < 3 && 絶対値(ky - ty) < 3;
}

点数 角打ち(const 評価対象& e) {
    const auto& b = e.p.盤;
    const int tx = e.先X, ty = e.先Y;
    if (ty > 6 && 調査_移動可場所数(e.p, e.m, tx, ty, 角) <= 3) return -点(20);
    if (ty == 5 && (((tx == 1 || tx == 9) && b[tx][7] == -歩) || (tx == 4 && b[5][8] == -金)))
        return -点(10);
    return 0;
}

点数 飛の移動(const 評価対象& e) {
    const auto& p = e.p;
    const auto& b = p.盤;
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y, fx = e.元X, fy = e.元Y;
    点数 s = 0;
    if (m.勢力MAN[tx][ty] == 0 && tx == 3 && ty == 4 && b[3][7] == -角 && b[3][6] == -歩 &&
        b[3][5] == 0)
        s += 点(7);
    if (ty < 8) {
        if (m.勢力MAN[tx][ty + 1] > 0) {
            s -= 点(1);
            if (b[tx][ty + 2] == -歩 && fy == ty) s -= 点(5);
        }
        if (fy < 9 && b[8][fy + 1] == -歩 && m.守駒MAN[8][fy + 1] == -飛) {
            if (m.勢力COM[8][fy] < e.c.勢力COM前[8][fy]) s -= 点(11);
            if (ty != fy && b[7][fy] == 歩) s -= 点(11);
        }
        if (m.勢力MAN[fx][fy] == 0 && fx == 2 && fy == 2 && tx == 2 && ty == 3) s -= 点(1);
    }
    if (安全か王のみ(e)) {
        if (調査_移動可場所数(p, m, tx, ty, 飛) <= 1) return s - 点(35);
        if (王の筋で近い(e)) return s + 点(100);
    }
    return s;
}

}  // namespace

点数 盤評価_角(const 評価対象& e) {
    const auto& b = e.p.盤;
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y;
    点数 s = 点(調査_周辺状況(e.p, tx, ty));
    if (ty < 9) {
        if (ty == 3) {
            if (tx == 9 && b[9][4] == 歩 && b[9][6] == -歩 && b[9][9] == -香) s -= 点(10);
            if (tx == 7 && b[8][5] == -歩 && m.守駒MAN[8][5] == -飛) s += 点(9);
        }
        if (m.勢力MAN[tx][ty + 1] > 0) {
            if (調査_移動可場所数(e.p, m, tx, ty, 角) == 0) s -= 点(100);
            if (ty < 8 && b[tx][ty + 2] == -歩) s -= 点(1);
        }
    }
    if (e.元Y == 3) {
        if (e.元X == 9 && b[9][4] == 歩 && b[9][6] == -歩 && m.守駒MAN[9][6] == -香) s += 点(10);
        if (e.元X == 7 && b[8][5] == -歩 && m.守駒MAN[8][5] == -飛 &&
            m.勢力COM[8][4] < e.c.勢力COM前[8][4])
            s -= 点(10);
    }
    if (e.打ちか()) s += 角打ち(e);
    return s;
}

点数 盤評価_角成(const 評価対象& e) { return 点(調査_周辺状況(e.p, e.先X, e.先Y)); }

点数 盤評価_飛(const 評価対象& e) {
    const auto& b = e.p.盤;
    const int tx = e.先X, ty = e.先Y;
    点数 s = 点(調査_周辺状況(e.p, tx, ty));
    if (!e.打ちか()) return s + 飛の移動(e);
    if (ty == 9 && tx > 1 && tx < 9 && b[tx][8] == -銀 &&
        ((b[tx - 1][9] != 0 && b[tx + 1][8] == -金) || (b[tx + 1][9] != 0 && b[tx - 1][8] == -金)))
        s -= 点(1);
    return s;
}

点数 盤評価_飛成(const 評価対象& e) {
    const auto& b = e.p.盤;
    const int tx = e.先X, ty = e.先Y, fx = e.元X, fy = e.元Y;
    点数 s = 点(調査_周辺状況(e.p, tx, ty));
    if (b[tx][ty - 1] == -銀 && tx > 1 && tx < 9 &&
        ((b[tx - 1][ty] != 0 && b[tx + 1][ty - 1] == -金) ||
         (b[tx + 1][ty] != 0 && b[tx - 1][ty - 1] == -金)))
        s -= 点(10);
    if (!e.打ちか() && fy == 9 && b[fx][8] == -銀) {
        if (fx > 1 && b[fx - 1][8] == -金) s += 点(2);
        if (fx < 9 && b[fx + 1][8] == -金) s += 点(2);
    }
    if (ty == 9 && b[tx][8] <= -10) {
        if (tx == 3 && b[4][8] == -金 && b[2][9] <= -10) s -= 点(150);
        if (tx == 7 && b[6][8] == -金 && b[8][9] <= -10) s -= 点(150);
    }
    if (安全か王のみ(e) && 王の筋で近い(e)) s += 点(100);
    return s;
}

点数 盤評価_王(const 評価対象& e) {
    const auto& b = e.p.盤;
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y, fx = e.元X, fy = e.元Y;
    点数 s = 0;
    if (ty > 2) s -= 点(15 + ty);
    if (tx != 5) s += 点(1);
    if (e.c.COM移動不可有) s += 点(10);
    if (ty < fy && fy < 9) {
        for (int i = fx - 1; i <= fx + 1; ++i)
            if (i >= 1 && i <= 9 && b[i][fy + 1] >= 10) s -= 点(1);
    }
    if (m.勢力COM[tx][ty] > e.c.勢力COM前[tx][ty]) s += 点(1);
    if (調査_移動可場所数(e.p, m, tx, ty, 王) < 2) s -= 点(20);
    return s;
}

}  // namespace yukora
