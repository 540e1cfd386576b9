#include "rules/mate.h"

#include "influence/survey.h"
#include "rules/move_legality.h"

namespace yukora {
namespace {

bool 隣か(int x, int y, int kx, int ky) {
    const int dx = x - kx, dy = y - ky;
    return dx > -2 && dx < 2 && dy > -2 && dy < 2;
}

// Does some checker (a square marked 9) still reach the king at (kx, ky)?
bool 王手が残る(const 局面& p, const 盤型& 王手筋, int kx, int ky) {
    for (int u = 1; u <= 9; ++u)
        for (int v = 1; v <= 9; ++v)
            if (王手筋[u][v] == 9 && 移動チェック(p, u, v, kx, ky, p.盤[u][v]) == 1) return true;
    return false;
}

enum class 合駒結果 { 全て塞げる, 次へ };

// Step 2 of both tests: can every check line be closed by a dropped piece? The trial piece is
// a pawn of the defender; with only pawns in hand the drop rules decide whether it goes there.
合駒結果 合駒の試し(局面& p, const 盤型& 王手筋, int kx, int ky, int 手駒数, int 手歩数, int 打列,
                    int 歩) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int v = 王手筋[x][y];
            if (v == 9 && 隣か(x, y, kx, ky)) return 合駒結果::次へ;
            if (v != 1) continue;
            // Judged on the square as it stands, empty, before the trial pawn goes there.
            const bool 置ける = !(手駒数 == 手歩数 && 移動チェック(p, 打列, 0, x, y, 歩) == 0);
            const 駒型 元 = p.盤[x][y];
            if (置ける) p.盤[x][y] = static_cast<駒型>(歩);
            const bool 残る = 王手が残る(p, 王手筋, kx, ky);
            p.盤[x][y] = 元;
            if (残る) return 合駒結果::次へ;
        }
    }
    return 合駒結果::全て塞げる;
}

}  // namespace

int 詰めかCOM(局面& p, 勢力地図& m) {
    const int kx = p.COM王X, ky = p.COM王Y;
    if (m.勢力MAN[kx][ky] == 0) return 0;
    if (p.COM持駒数 > 0 && 合駒の試し(p, m.MAN王手筋, kx, ky, p.COM持駒数, p.COM持駒[持駒_歩],
                                      敵持駒列, 歩) == 合駒結果::全て塞げる)
        return 0;
    for (int x = kx - 1; x <= kx + 1; ++x)
        for (int y = ky - 1; y <= ky + 1; ++y)
            if (盤上か(x, y) && 移動チェック(p, kx, ky, x, y, 王) == 1 && m.勢力MAN[x][y] == 0)
                return 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int c = p.盤[x][y];
            if (c < 歩 || c > 飛成) continue;
            for (int u = 1; u <= 9; ++u) {
                for (int v = 1; v <= 9; ++v) {
                    if (m.MAN王手筋[u][v] <= 0 || 移動チェック(p, x, y, u, v, c) != 1) continue;
                    const 駒型 取 = p.盤[u][v];
                    p.盤[u][v] = static_cast<駒型>(c);
                    p.盤[x][y] = 0;
                    勢力調査(p, m);
                    p.盤[x][y] = static_cast<駒型>(c);
                    p.盤[u][v] = 取;
                    if (m.勢力MAN[p.COM王X][p.COM王Y] == 0) return 0;
                }
            }
        }
    }
    return 1;
}

int 詰めかMAN(局面& p, const 勢力地図& m) {
    const int kx = p.MAN王X, ky = p.MAN王Y;
    if (m.勢力COM[kx][ky] == 0) return 0;
    if (p.MAN持駒数 > 0 && 合駒の試し(p, m.COM王手筋, kx, ky, p.MAN持駒数, p.MAN持駒[持駒_歩],
                                      自持駒列, -歩) == 合駒結果::全て塞げる)
        return 0;
    for (int x = kx - 1; x <= kx + 1; ++x)
        for (int y = ky - 1; y <= ky + 1; ++y)
            if (盤上か(x, y) && m.勢力COM[x][y] == 0 && 移動チェック(p, kx, ky, x, y, -王) == 1)
                return 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int c = p.盤[x][y];
            if (c < -飛成 || c > -歩) continue;
            for (int u = 1; u <= 9; ++u) {
                for (int v = 1; v <= 9; ++v) {
                    if ((u == x && v == y) || m.COM王手筋[u][v] <= 0) continue;
                    if (移動チェック(p, x, y, u, v, c) != 1) continue;
                    const 駒型 取 = p.盤[u][v];
                    p.盤[u][v] = static_cast<駒型>(c);
                    p.盤[x][y] = 0;
                    const int 届く = 詰めかMAN_COM移動(p);
                    p.盤[x][y] = static_cast<駒型>(c);
                    p.盤[u][v] = 取;
                    if (届く == 0) return 0;
                }
            }
        }
    }
    return 1;
}

int 詰めかMAN_COM移動(const 局面& p) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (敵駒か(p.盤[x][y]) && 移動チェック(p, x, y, p.MAN王X, p.MAN王Y, p.盤[x][y]) == 1)
                return 1;
    return 0;
}

int 調査_自王逃道(const 局面& p, const 勢力地図& m, 盤型& 逃道印) {
    const int kx = p.MAN王X, ky = p.MAN王Y;
    int count = 0;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            if ((dy < 0 && ky <= 1) || (dy > 0 && ky >= 9) || (dx < 0 && kx <= 1) ||
                (dx > 0 && kx >= 9))
                continue;
            const int x = kx + dx, y = ky + dy;
            if (p.盤[x][y] == 0 && m.勢力COM[x][y] == 0) {
                逃道印[x][y] = 1;
                ++count;
            }
        }
    }
    return count;
}

}  // namespace yukora
