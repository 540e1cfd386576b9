#include "influence/marking.h"

namespace yukora::influence {

void MAN一歩(const 局面& p, 勢力地図& m, int r, int x, int y, int dx, int dy, bool 王手印,
             bool 桂) {
    const int tx = x + dx, ty = y + dy;
    if (!盤上か(tx, ty)) return;
    ++m.勢力MAN[tx][ty];
    const int c = p.盤[tx][ty];
    if (自駒か(c)) {
        if (m.守駒MAN[tx][ty] > r) m.守駒MAN[tx][ty] = static_cast<駒型>(r);
    } else if (敵駒か(c)) {
        if (m.攻駒MAN[tx][ty] < r) {
            m.攻駒MAN[tx][ty] = static_cast<駒型>(r);
            m.攻駒MAN_X[tx][ty] = static_cast<駒型>(x);
            m.攻駒MAN_Y[tx][ty] = static_cast<駒型>(y);
        }
        if (c == 王 && 王手印) {
            m.MAN王手筋[x][y] = 9;
            if (桂) m.MAN王手筋[tx][ty] = 9;
        }
    }
}

void COM一歩(const 局面& p, 勢力地図& m, int r, int x, int y, int dx, int dy, COM効き方 how) {
    const int tx = x + dx, ty = y + dy;
    if (!盤上か(tx, ty)) return;
    ++m.勢力COM[tx][ty];
    const int c = p.盤[tx][ty];
    if (敵駒か(c)) {
        if (how.守駒 && m.守駒COM[tx][ty] > r) {
            m.守駒COM[tx][ty] = static_cast<駒型>(r);
            if (how.守駒座標) {
                m.守駒COM_X[tx][ty] = static_cast<駒型>(x);
                m.守駒COM_Y[tx][ty] = static_cast<駒型>(y);
            }
        }
    } else if (自駒か(c)) {
        if (how.攻駒 && m.攻駒COM[tx][ty] > r) {
            m.攻駒COM[tx][ty] = static_cast<駒型>(r);
            if (how.攻駒座標) {
                m.攻駒COM_X[tx][ty] = static_cast<駒型>(x);
                m.攻駒COM_Y[tx][ty] = static_cast<駒型>(y);
            }
        }
        if (how.王手 && c == -王) {
            m.COM王手筋[x][y] = 9;
            if (how.桂) m.COM王手筋[tx][ty] = 9;
        }
    }
}

namespace {

// Marks the check line of a ray that met the opposing king at (kx, ky).
void 王手筋印(盤型& map, int x, int y, int dx, int dy, int kx, int ky) {
    for (int sx = x + dx, sy = y + dy; sx != kx || sy != ky; sx += dx, sy += dy) map[sx][sy] = 1;
    map[x][y] = 9;
}

}  // namespace

void 直進(const 局面& p, 勢力地図& m, int r, int x, int y, int dx, int dy) {
    const bool man = r < 0;
    for (int tx = x + dx, ty = y + dy; 盤上か(tx, ty); tx += dx, ty += dy) {
        const int c = p.盤[tx][ty];
        if (man) {
            ++m.勢力MAN[tx][ty];
            if (自駒か(c)) {
                if (m.守駒MAN[tx][ty] > r) m.守駒MAN[tx][ty] = static_cast<駒型>(r);
            } else if (敵駒か(c) && m.攻駒MAN[tx][ty] < r) {
                m.攻駒MAN[tx][ty] = static_cast<駒型>(r);
                m.攻駒MAN_X[tx][ty] = static_cast<駒型>(x);
                m.攻駒MAN_Y[tx][ty] = static_cast<駒型>(y);
            }
            if (c == 王) {
                王手筋印(m.MAN王手筋, x, y, dx, dy, tx, ty);
                continue;
            }
        } else {
            ++m.勢力COM[tx][ty];
            if (敵駒か(c)) {
                if (m.守駒COM[tx][ty] > r) {
                    m.守駒COM[tx][ty] = static_cast<駒型>(r);
                    m.守駒COM_X[tx][ty] = static_cast<駒型>(x);
                    m.守駒COM_Y[tx][ty] = static_cast<駒型>(y);
                }
            } else if (自駒か(c) && m.攻駒COM[tx][ty] > r) {
                m.攻駒COM[tx][ty] = static_cast<駒型>(r);
                m.攻駒COM_X[tx][ty] = static_cast<駒型>(x);
                m.攻駒COM_Y[tx][ty] = static_cast<駒型>(y);
            }
            if (c == -王) {
                王手筋印(m.COM王手筋, x, y, dx, dy, tx, ty);
                continue;
            }
        }
        if (c != 0) return;
    }
}

}  // namespace yukora::influence
