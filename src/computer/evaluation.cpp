#include "computer/evaluation.h"

#include "computer/danger_squares.h"
#include "computer/piece_terms.h"
#include "computer/surveys.h"
#include "rules/mate.h"
#include "rules/move_legality.h"

namespace yukora {
namespace {

int 絶対値(int v) { return v < 0 ? -v : v; }

// A check that does not mate: bonuses for a checking piece that only the king can take.
点数 王手の加点(const 評価対象& e) {
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y, kx = e.p.MAN王X, ky = e.p.MAN王Y;
    点数 s = 0;
    if (m.攻駒MAN[tx][ty] == -王 && m.勢力COM[tx][ty] > 0) s += 点(100);
    const bool 斜め隣 = 絶対値(tx - kx) < 2 && 絶対値(ty - ky) < 2 && tx != kx && ty != ky;
    if (斜め隣 && m.勢力MAN[tx][ty] <= 2 && m.守駒COM[tx][ty] == 飛成 &&
        (m.守駒COM_X[tx][ty] == kx || m.守駒COM_Y[tx][ty] == ky))
        s += 点(900);
    if (m.勢力MAN[tx][ty] == 0) s += 点(10);
    return s;
}

点数 王への接近(const 評価対象& e) {
    const int dx = 絶対値(e.p.MAN王X - e.先X), dy = 絶対値(e.p.MAN王Y - e.先Y);
    const int 元距離 = e.c.移動元王距離;
    if (dx > dy && 元距離 > dx) return 点(1);
    if (元距離 > dy) return 1;
    return 0;
}

// The cheapest attacker of the destination is pinned and defended: the moved piece wins it.
点数 釘付け攻駒(const 評価対象& e) {
    const auto& m = e.m;
    const auto& p = e.p;
    const int tx = e.先X, ty = e.先Y, kx = p.MAN王X, ky = p.MAN王Y;
    const int ax = m.攻駒MAN_X[tx][ty], ay = m.攻駒MAN_Y[tx][ty];
    if (!(m.勢力MAN[ax][ay] > 0 && e.c.MAN移動不可[ax][ay] == 1)) return 0;
    const int 人 = m.勢力MAN[tx][ty];
    if (!(人 == 1 || (人 == 2 && m.勢力COM[tx][ty] > 0 && m.勢力COM[kx][ky] > 0))) return 0;
    const bool 筋 = (ax == kx && tx != kx) || (ay == ky && ty != ky) ||
                    ((tx == kx || ty == ky) && ax != kx && ay != ky);
    if (!筋) return 0;
    if (移動チェック(p, tx, ty, ax, ay, e.c.移動駒) != 1) return 0;
    if (!e.打ちか() && p.盤[e.c.攻駒COM_X前[ax][ay]][e.c.攻駒COM_Y前[ax][ay]] == 0) return 0;
    return 点(絶対値(p.盤[ax][ay]));
}

点数 安全な行先(const 評価対象& e) {
    const auto& p = e.p;
    const int tx = e.先X, ty = e.先Y, 置 = e.置駒;
    点数 s = 0;
    if (置 != 角 && 置 != 角成 && 置 != 王 && 置 != 歩)
        s -= 点(盤評価_自角注意_COM(p, e.c, tx, ty, 置));
    if ((絶対値(p.MAN王X - tx) < 3 && 絶対値(p.MAN王Y - ty) < 3) || 置 == 香 ||
        (置 >= 角 && 置 <= 飛成)) {
        const int 逃道 = 調査_自王逃道(p, e.m, e.c.逃道印);
        if (e.c.逃道数前 > 逃道) s += 点(e.c.逃道数前 - 逃道);
    }
    return s;
}

点数 守られた行先(const 評価対象& e) {
    const auto& p = e.p;
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y, 置 = e.置駒;
    const int a = 絶対値(m.攻駒MAN[tx][ty]);
    点数 s = 0;
    if ((p.MAN持駒[持駒_銀] > 0 || p.MAN持駒[持駒_金] > 0) && tx > 1 && tx < 9) {
        const auto 飛か = [](int c) { return c == -飛 || c == -飛成; };
        const int 左 = p.盤[tx - 1][ty], 右 = p.盤[tx + 1][ty];
        if ((飛か(左) && 右 == 王) || (飛か(右) && 左 == 王)) s -= 点(置);
    }
    if (置 > a) s += 点(a - 置);
    if (m.攻駒MAN[tx][ty] == -王 && ty < p.MAN王Y && m.勢力COM[p.MAN王X][p.MAN王Y] > 0) s += 点(置);
    return s;
}

点数 行先の安全(const 評価対象& e) {
    const int tx = e.先X, ty = e.先Y;
    if (e.m.勢力MAN[tx][ty] == 0) return 安全な行先(e);
    if (e.m.勢力COM[tx][ty] > 0) return 守られた行先(e);
    return e.打ちか() ? -点(e.置駒 + 50) : 0;
}

点数 端の香(const 評価対象& e) {
    const int tx = e.先X, 置 = e.置駒;
    if (e.p.盤[tx][9] == -香 && (tx == 1 || tx == 9) && 置 != 香 && 置 != 飛 && 置 != 飛成 &&
        e.元X != tx)
        return -1;
    return 0;
}

点数 大駒取り(const 評価対象& e) {
    const int 取 = e.取駒;
    if ((取 == -角 || 取 == -角成 || 取 == -飛 || 取 == -飛成) && e.置駒 <= 金) return 点(-取);
    return 0;
}

// Whether the capture keeps its material: a recapture, a trapped piece, or a free capture.
点数 駒取りの損得(const 評価対象& e) {
    const auto& m = e.m;
    const int tx = e.先X, ty = e.先Y, 取 = 絶対値(e.取駒);
    if (m.勢力MAN[tx][ty] > 0) {
        if (m.勢力COM[tx][ty] > 0) return e.置駒 < 絶対値(m.攻駒MAN[tx][ty]) ? 点(取) : 0;
        if (e.c.勢力MAN前[e.元X][e.元Y] > 0 && 調査_移動可場所数(e.p, m, e.元X, e.元Y, e.置駒) == 0)
            return 点(取);
        return 0;
    }
    点数 s = 点(取);
    if (e.取駒 == -と || e.取駒 == -香成 || e.取駒 == -桂成) s += 点(50);
    return s;
}

}  // namespace

点数 盤評価(const 評価対象& e, int レベル) {
    auto& p = e.p;
    const auto& m = e.m;
    if (e.取駒 == -王) return 王取り点;
    if (m.勢力MAN[p.COM王X][p.COM王Y] >= 1) return -詰め点;
    点数 s = 0;
    if (m.勢力COM[p.MAN王X][p.MAN王Y] > 0) {
        if (詰めかMAN(p, m) == 1) return e.置駒 == 歩 ? -詰め点 : 詰め点;
        s += 王手の加点(e);
    }
    if (e.打ちか()) s -= 点(5);
    else if (e.置駒 > e.c.移動駒) s += 点(10);
    s += 盤評価_COM危険座標(p, m, e.c, e.置駒, e.先X, e.先Y);
    s += 王への接近(e);
    s += 釘付け攻駒(e);
    s += 行先の安全(e);
    s += 端の香(e);
    if (e.取駒 != 0) {
        s += 大駒取り(e);
        if (レベル == 1) return s;
        s += 駒取りの損得(e);
    }
    if (レベル == 2) return s;
    return s + 盤評価_駒別(e);
}

点数 盤評価(局面& p, const 勢力地図& m, COM思考状態& c, int レベル, int 取駒, int 置駒, int 元X,
            int 元Y, int 先X, int 先Y) {
    return 盤評価(評価対象{p, m, c, 取駒, 置駒, 元X, 元Y, 先X, 先Y}, レベル);
}

}  // namespace yukora
