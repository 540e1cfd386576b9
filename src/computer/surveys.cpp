#include "computer/surveys.h"

#include "computer/reach.h"
#include "rules/move_legality.h"

namespace yukora {
namespace {

int 絶対値(int v) { return v < 0 ? -v : v; }

constexpr int COM飛び駒[5] = {香, 角, 角成, 飛, 飛成};
constexpr int MAN飛び駒[5] = {-香, -角, -角成, -飛, -飛成};

// The squares of one side's lances, bishops and rooks (promoted or not), found once.
struct 飛び駒一覧 {
    struct 駒 {
        int x, y, code;
    };
    駒 list[81];
    int n = 0;

    飛び駒一覧(const 局面& p, const int (&codes)[5]) {
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                for (int code : codes)
                    if (p.盤[x][y] == code) list[n++] = {x, y, code};
    }

    // Does one of them, other than the one on the lifted square (lx, ly), reach (kx, ky)?
    bool 届く(const 局面& p, int lx, int ly, int kx, int ky) const {
        for (int i = 0; i < n; ++i) {
            const 駒& d = list[i];
            if ((d.x != lx || d.y != ly) && 移動チェック(p, d.x, d.y, kx, ky, d.code) == 1)
                return true;
        }
        return false;
    }
};

}  // namespace

int 調査_移動可場所数(const 局面& p, const 勢力地図& m, int x, int y, int 駒) {
    const 盤型& 相手 = 駒 >= 10 ? m.勢力MAN : m.勢力COM;
    int n = 0;
    各桝(届く範囲(駒, x, y), [&](int i, int j) {
        if (相手[i][j] == 0 && 移動チェック(p, x, y, i, j, 駒) == 1) ++n;
    });
    return n;
}

int 調査_周辺状況(const 局面& p, int x, int y) {
    int n = 0;
    for (int i = x - 1; i <= x + 1; ++i)
        for (int j = y - 1; j <= y + 1; ++j)
            if ((i != x || j != y) && 盤上か(i, j) && p.盤[i][j] >= 角) --n;
    return n;
}

bool 調査_自守駒MAN_直進駒(局面& p, int x, int y) {
    const 駒型 lifted = p.盤[x][y];
    p.盤[x][y] = 0;
    bool result = false;
    for (int i = y + 1; i <= 9; ++i) {
        const int c = p.盤[x][i];
        if (c >= 10) break;
        if (c == -香 || c == -飛 || c == -飛成) {
            result = 移動チェック(p, x, i, x, y, c) == 1;
            break;
        }
    }
    p.盤[x][y] = lifted;
    return result;
}

void 調査_持角狙座標(const 局面& p, const 勢力地図& m, COM思考状態& c) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            c.MAN角打王手[x][y] = 0;
            if (p.盤[x][y] == 0 && m.勢力COM[x][y] == 0 &&
                移動チェック(p, x, y, p.COM王X, p.COM王Y, -角) == 1)
                c.MAN角打王手[x][y] = 1;
        }
    }
}

void 調査_移動不可駒(局面& p, COM思考状態& c) {
    c.COM移動不可有 = false;
    // Lifting a piece moves no other piece, so the sliders can be listed first.
    const 飛び駒一覧 com(p, COM飛び駒), man(p, MAN飛び駒);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            c.MAN移動不可[x][y] = 0;
            const 駒型 piece = p.盤[x][y];
            if (piece == 0) continue;
            p.盤[x][y] = 0;
            if (piece < 0) {
                if (com.届く(p, x, y, p.MAN王X, p.MAN王Y)) c.MAN移動不可[x][y] = 1;
            } else if (man.届く(p, x, y, p.COM王X, p.COM王Y)) {
                c.COM移動不可有 = true;
            }
            p.盤[x][y] = piece;
        }
    }
}

int 調査_香狙い(const 局面& p, const 勢力地図& m, int x, int y) {
    const int a = m.攻駒MAN[x][y];
    if (!(y > 6 && m.勢力COM[x][y - 1] > 0 && m.勢力MAN[x][y - 1] == 0 && a >= -飛成 && a <= -角))
        return 0;
    for (int i = y + 1; i <= 9; ++i)
        if (p.盤[x][i] != 0) return 移動チェック(p, x, y, x, i, 香) == 1 ? 絶対値(p.盤[x][i]) : 0;
    return 0;
}

int 調査_桂狙い(const 局面& p, const 勢力地図& m, int x, int y) {
    const int a = m.攻駒MAN[x][y];
    if (!(a >= -飛成 && a <= -角 && y > 5)) return 0;
    int gain = 0;
    // The knight would land on (x+d, y-2) and hit the piece on (x+2d, y) past the pawn.
    for (int d : {-1, 1}) {
        if (d < 0 ? x <= 2 : x >= 8) continue;
        const int kx = x + d, fx = x + 2 * d;
        if (m.勢力MAN[kx][y - 2] == 0 && p.盤[kx][y - 2] == 0 && p.盤[fx][y] <= -角 &&
            m.攻駒MAN_X[x][y] != fx)
            gain += 絶対値(p.盤[fx][y]);
    }
    return gain;
}

}  // namespace yukora
