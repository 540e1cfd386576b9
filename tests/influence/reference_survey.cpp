#include "influence/reference_survey.h"

namespace yukora::参照 {
namespace {

// What a top-side step writes besides the count, as the rules give it for each piece: the
// defender map (with the defender's square), the attacker map (with its square), the check
// line (a knight's also on the king's square).
enum 書く : unsigned { 守 = 1, 守の座標 = 2, 攻 = 4, 攻の座標 = 8, 王手 = 16, 桂の王手 = 32 };

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

void COM一歩(const 局面& p, 勢力地図& m, int r, int x, int y, int dx, int dy, unsigned how) {
    const int tx = x + dx, ty = y + dy;
    if (!盤上か(tx, ty)) return;
    ++m.勢力COM[tx][ty];
    const int c = p.盤[tx][ty];
    if (敵駒か(c)) {
        if ((how & 守) && m.守駒COM[tx][ty] > r) {
            m.守駒COM[tx][ty] = static_cast<駒型>(r);
            if (how & 守の座標) {
                m.守駒COM_X[tx][ty] = static_cast<駒型>(x);
                m.守駒COM_Y[tx][ty] = static_cast<駒型>(y);
            }
        }
    } else if (自駒か(c)) {
        if ((how & 攻) && m.攻駒COM[tx][ty] > r) {
            m.攻駒COM[tx][ty] = static_cast<駒型>(r);
            if (how & 攻の座標) {
                m.攻駒COM_X[tx][ty] = static_cast<駒型>(x);
                m.攻駒COM_Y[tx][ty] = static_cast<駒型>(y);
            }
        }
        if ((how & 王手) && c == -王) {
            m.COM王手筋[x][y] = 9;
            if (how & 桂の王手) m.COM王手筋[tx][ty] = 9;
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

}  // namespace

void 勢力確定上直進(const 局面& p, 勢力地図& m, int code, int x, int y) {
    直進(p, m, code, x, y, 0, -1);
}
void 勢力確定下直進(const 局面& p, 勢力地図& m, int code, int x, int y) {
    直進(p, m, code, x, y, 0, 1);
}
void 勢力確定右直進(const 局面& p, 勢力地図& m, int code, int x, int y) {
    直進(p, m, code, x, y, 1, 0);
}
void 勢力確定左直進(const 局面& p, 勢力地図& m, int code, int x, int y) {
    直進(p, m, code, x, y, -1, 0);
}

void 勢力確定自角(const 局面& p, 勢力地図& m, int x, int y) {
    直進(p, m, -角, x, y, -1, -1);
    直進(p, m, -角, x, y, 1, -1);
    直進(p, m, -角, x, y, -1, 1);
    直進(p, m, -角, x, y, 1, 1);
}

void 勢力確定敵角(const 局面& p, 勢力地図& m, int code, int x, int y) {
    直進(p, m, code, x, y, -1, -1);
    直進(p, m, code, x, y, 1, -1);
    直進(p, m, code, x, y, -1, 1);
    直進(p, m, code, x, y, 1, 1);
}

void 勢力確定自金(const 局面& p, 勢力地図& m, int code, int x, int y) {
    constexpr int steps[6][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 0}, {1, 0}};
    for (const auto& s : steps) MAN一歩(p, m, code, x, y, s[0], s[1], true, false);
}

void 勢力確定敵金(const 局面& p, 勢力地図& m, int x, int y) {
    constexpr int steps[6][2] = {{0, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
    for (const auto& s : steps) COM一歩(p, m, 金, x, y, s[0], s[1], 守 | 王手);
}

namespace {

void 縦横四方(const 局面& p, 勢力地図& m, int code, int x, int y) {
    勢力確定下直進(p, m, code, x, y);
    勢力確定上直進(p, m, code, x, y);
    勢力確定右直進(p, m, code, x, y);
    勢力確定左直進(p, m, code, x, y);
}

constexpr int 斜め[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
constexpr int 縦横[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
constexpr int 八方[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};

void MAN駒(局面& p, 勢力地図& m, int c, int x, int y) {
    switch (c) {
        case -歩: MAN一歩(p, m, c, x, y, 0, -1, true, false); break;
        case -と:
        case -香成:
        case -桂成:
        case -銀成:
        case -金: 勢力確定自金(p, m, c, x, y); break;
        case -香: 勢力確定上直進(p, m, c, x, y); break;
        case -桂:
            if (y >= 3) {
                MAN一歩(p, m, c, x, y, -1, -2, true, true);
                MAN一歩(p, m, c, x, y, 1, -2, true, true);
            }
            break;
        case -銀: {
            constexpr int steps[5][2] = {{0, -1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
            for (const auto& s : steps) MAN一歩(p, m, c, x, y, s[0], s[1], true, false);
            break;
        }
        case -角: 勢力確定自角(p, m, x, y); break;
        case -角成:
            for (const auto& s : 縦横) MAN一歩(p, m, c, x, y, s[0], s[1], true, false);
            勢力確定自角(p, m, x, y);
            break;
        case -飛: 縦横四方(p, m, c, x, y); break;
        case -飛成:
            縦横四方(p, m, c, x, y);
            for (const auto& s : 斜め) MAN一歩(p, m, c, x, y, s[0], s[1], true, false);
            break;
        case -王:
            p.MAN王X = x;
            p.MAN王Y = y;
            for (const auto& s : 八方) MAN一歩(p, m, c, x, y, s[0], s[1], false, false);
            break;
        default: break;
    }
}

void COM駒(局面& p, 勢力地図& m, int c, int x, int y) {
    switch (c) {
        case 歩: COM一歩(p, m, 歩, x, y, 0, 1, 守 | 攻 | 王手); break;
        case と:
        case 香成:
        case 桂成:
        case 銀成:
        case 金: 勢力確定敵金(p, m, x, y); break;
        case 香: 勢力確定下直進(p, m, 香, x, y); break;
        case 桂:
            if (y <= 7) {
                COM一歩(p, m, 桂, x, y, -1, 2, 守 | 守の座標 | 王手 | 桂の王手);
                COM一歩(p, m, 桂, x, y, 1, 2, 守 | 守の座標 | 王手 | 桂の王手);
            }
            break;
        case 銀: {
            constexpr int steps[5][2] = {{0, 1}, {-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
            for (const auto& s : steps) COM一歩(p, m, 銀, x, y, s[0], s[1], 守 | 守の座標 | 王手);
            break;
        }
        case 角: 勢力確定敵角(p, m, 角, x, y); break;
        case 角成:
            for (const auto& s : 縦横) COM一歩(p, m, 角成, x, y, s[0], s[1], 王手);
            勢力確定敵角(p, m, 角成, x, y);
            break;
        case 飛: 縦横四方(p, m, 飛, x, y); break;
        case 飛成: {
            縦横四方(p, m, 飛成, x, y);
            for (const auto& s : 斜め)
                COM一歩(p, m, 飛成, x, y, s[0], s[1], 守 | 守の座標 | 攻 | 攻の座標 | 王手);
            break;
        }
        case 王:
            p.COM王X = x;
            p.COM王Y = y;
            for (const auto& s : 八方) COM一歩(p, m, 王, x, y, s[0], s[1], 守);
            break;
        default: break;
    }
}

void 地図を消す(勢力地図& m) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            m.勢力MAN[x][y] = 0;
            m.勢力COM[x][y] = 0;
            m.MAN王手筋[x][y] = 0;
            m.COM王手筋[x][y] = 0;
            m.攻駒MAN_X[x][y] = 0;
            m.攻駒MAN_Y[x][y] = 0;
            m.攻駒MAN[x][y] = -999;
            m.攻駒COM[x][y] = 999;
            m.守駒MAN[x][y] = 999;
            m.守駒COM[x][y] = 999;
        }
    }
}

}  // namespace

void 勢力調査(局面& p, 勢力地図& m) {
    地図を消す(m);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int c = p.盤[x][y];
            if (c < 0) MAN駒(p, m, c, x, y);
            else if (c > 0) COM駒(p, m, c, x, y);
        }
    }
}

}  // namespace yukora::参照
