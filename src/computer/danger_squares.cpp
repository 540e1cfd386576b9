#include "computer/danger_squares.h"

#include "computer/square_sets.h"
#include "computer/surveys.h"
#include "rules/move_legality.h"

// The terms of the 81 squares are whole tenths, so they are added in any order: each term is
// counted over the set of squares it applies to, and the few squares where a term needs more
// than a count are visited one by one. The fork credit is gathered apart and added at the end.
namespace yukora {
namespace {

int 絶対値(int v) { return v < 0 ? -v : v; }

// What the scan reads of the position, as sets of squares.
struct 盤面 {
    局面& p;
    const 勢力地図& m;
    const COM思考状態& c;
    bool 歩, 香, 桂, 銀, 銀か金;  // in the human's hand
    桝集合 空, 機駒, 人駒;        // empty, the computer's pieces, the human's pieces
    桝集合 人効;                  // reached by the human
    桝集合 機無, 機一以下;        // reached by no computer piece, by at most one

    盤面(局面& p_, const 勢力地図& m_, const COM思考状態& c_)
        : p(p_),
          m(m_),
          c(c_),
          歩(p.MAN持駒[持駒_歩] > 0),
          香(p.MAN持駒[持駒_香] > 0),
          桂(p.MAN持駒[持駒_桂] > 0),
          銀(p.MAN持駒[持駒_銀] > 0),
          銀か金(p.MAN持駒[持駒_銀] > 0 || p.MAN持駒[持駒_金] > 0),
          空(値の桝(p.盤, 0)),
          機駒(以上の桝(p.盤, 10)),
          人駒(以下の桝(p.盤, -10)),
          人効(以上の桝(m.勢力MAN, 1)),
          機無(以下の桝(m.勢力COM, 0)),
          機一以下(以下の桝(m.勢力COM, 1)) {}

    // Within `r` columns and rows of the computer's king.
    桝集合 王の近く(int r) const {
        return 四角(p.COM王X - r, p.COM王X + r, p.COM王Y - r, p.COM王Y + r);
    }
};

// An empty square that the human reaches: near the computer's king, or in its camp.
点数 人の効く空き桝(const 盤面& t) {
    const auto& m = t.m;
    点数 s = 0;
    各桝(t.空 & t.人効 & t.王の近く(1), [&](int x, int y) {
        const int 人 = m.勢力MAN[x][y], 機 = m.勢力COM[x][y];
        s -= 5 * 人;
        if (人 > 1 && 機 == 1) s -= 点(10);
        if (t.銀か金) s -= 点(10);
    });
    各桝(t.空 & t.人効 & 段(1, 3), [&](int x, int y) {
        const int 人 = m.勢力MAN[x][y], 機 = m.勢力COM[x][y];
        if (機 == 0) {
            s -= 1;
            if (調査_自守駒MAN_直進駒(t.p, x, y)) s -= 点(10);
        }
        if (t.p.盤[x][y + 1] == -歩 && 人 >= 機) {
            s -= 点(30);
            if (調査_自守駒MAN_直進駒(t.p, x, y + 1)) s -= 点(70);
        }
    });
    return s;
}

// Squares with at least one and at least two of the eight neighbours in `set`.
struct 隣の数 {
    桝集合 一つ以上, 二つ以上;
    explicit 隣の数(桝集合 set) {
        for (int d : {1, 9, 10, 11}) {
            for (const 桝集合 n : {set << d, set >> d}) {
                二つ以上 = 二つ以上 | (一つ以上 & n);
                一つ以上 = 一つ以上 | n;
            }
        }
    }
};

// Empty squares where a piece from the human's hand could do harm.
点数 持駒の脅威(const 盤面& t) {
    const auto& b = t.p.盤;
    const auto& m = t.m;
    点数 s = 0;
    // A lance dropped below a valuable piece would skewer it with the next one up the column.
    if (t.香) {
        const 桝集合 下が空き = (以上の桝(b, 香 + 1) << 1) & t.空 & 段(3, 9);
        各桝(下が空き & (t.機無 | t.人効), [&](int x, int y) {
            for (int i = y - 2; i >= 1; --i) {
                if (b[x][i] == 0) continue;
                if (b[x][i] > 香) s -= 点(100) + 5 * b[x][i];
                break;
            }
        });
    }
    // A knight dropped here would fork two pieces other than pawns.
    if (t.桂) {
        const 桝集合 歩以外 = 以上の桝(b, 歩 + 1);
        const 桝集合 両方 = (歩以外 << 12) & (歩以外 >> 8) & t.空 & 四角(2, 8, 3, 9);
        各桝(両方 & (t.機無 | t.人効), [&](int x, int y) {
            if (m.勢力COM[x][y] == 0 || (m.勢力MAN[x][y] > 0 && m.攻駒COM[x][y] > 桂)) s -= 点(20);
        });
    }
    // A silver or gold dropped next to the computer's king, bishops and rooks.
    if (t.銀か金) {
        const 隣の数 大駒(以上の桝(b, 角));
        s -= 点(5) * (t.空 & t.機一以下 & 大駒.二つ以上).数();
        const 桝集合 手薄 = t.空 & t.機無 & 大駒.一つ以上;
        s -= 点(1) * 手薄.数() + 点(10) * (手薄 & 段(1, 3)).数();
    }
    const 桝集合 無防備 = t.空 & t.機無;
    s -= 点(5) * (無防備 & 段(2, 2) & ((値の桝(b, 桂) & 段(1, 1)) << 1)).数();
    s -= (無防備 & 段(1, 3)).数();
    // A silver dropped here would fork two pieces the computer does not defend.
    if (t.銀) {
        const 桝集合 狙い = t.機駒 & t.機無, 中 = 無防備 & 四角(2, 8, 2, 8);
        s -= 点(20) *
             ((中 & (狙い << 11) & (狙い >> 11)).数() + (中 & (狙い << 9) & (狙い >> 9)).数());
    }
    return s;
}

// A computer piece that the human attacks.
点数 攻められた駒(const 盤面& t, int x, int y) {
    const auto& m = t.m;
    const auto& c = t.c;
    const int v = t.p.盤[x][y];
    const int 人 = m.勢力MAN[x][y], 機 = m.勢力COM[x][y];
    const int ax = m.攻駒MAN_X[x][y], ay = m.攻駒MAN_Y[x][y];
    const int a = 絶対値(m.攻駒MAN[x][y]);
    const bool 攻め駒自由 = c.MAN移動不可[ax][ay] == 0;
    点数 s = 0;
    if (m.守駒COM[x][y] == 王 && (人 > 1 || v > a)) s -= 点(100);
    if (攻め駒自由 && v > a) s -= 点(v - a);
    if (機 > 0 && 攻め駒自由) {
        if (人 > 機 && m.守駒COM[x][y] >= a) s -= 点(v);
        if (y <= 3 && 機 == 人 && y < 9 && t.p.盤[x][y + 1] != 0 &&
            調査_自守駒MAN_直進駒(t.p, x, y + 1))
            s -= 点(v + 絶対値(m.攻駒MAN[x][y + 1]));
    }
    if (機 == 0) {
        s -= 点(v);
        if (y <= 3) s -= 点(10);
        if (c.盤保存[x][y] <= -10) s += 点(-c.盤保存[x][y]);
        if (y < 4 && (m.攻駒MAN[x][y] == -歩 || m.攻駒MAN[x][y] == -香)) s -= 点(20);
    }
    return s;
}

点数 COMの駒(const 盤面& t) {
    const auto& b = t.p.盤;
    const auto& m = t.m;
    点数 s = 0;
    for (int x = 1; x <= 9; ++x) {
        if (b[x][1] == 王 && m.勢力MAN[x][2] > 0) {
            s -= 点(50);
            if (m.勢力MAN[x][2] >= m.勢力COM[x][2]) s -= 点(250);
            if (t.銀か金) s -= 点(700);
        }
    }
    各桝(t.機駒 & t.人効, [&](int x, int y) {
        if (b[x][y] == 歩 && m.攻駒MAN[x][y] == -飛 && t.歩 && m.勢力MAN[x][y] >= m.勢力COM[x][y] &&
            y < 9 && m.勢力COM[x][y + 1] == 1)
            s -= 点(5);
        s += 攻められた駒(t, x, y);
    });
    return s;
}

点数 人の駒(const 盤面& t) {
    const auto& p = t.p;
    const auto& b = p.盤;
    const auto& m = t.m;
    点数 s = 0;
    // Newly attacked by the computer.
    各桝(t.人駒 & 以下の桝(t.c.勢力COM前, 0) & ~t.機無, [&](int x, int y) {
        if (b[x][y] == -桂 && y > 2 && m.勢力MAN[x][y - 1] == 0 &&
            (b[x][y - 1] == 銀 || b[x][y - 1] == 飛成 || b[x][y - 1] == 角成))
            s += 点(1);
        if (絶対値(x - p.COM王X) < 3 && 絶対値(y - p.COM王Y) < 3) s += 点(15);
    });
    各桝(t.人駒 & 段(5, 9), [&](int x, int y) {
        if (b[x][y] != -桂 || b[x][y - 4] < 銀) return;
        for (int d : {-1, 1}) {
            const int sx = x + d;
            if (sx < 1 || sx > 9) continue;
            if (b[sx][y - 2] >= 0 && m.勢力COM[sx][y - 2] == 0) s -= 点(1);
        }
    });
    // Lances and rooks on the computer king's column.
    if (p.COM王X >= 1 && p.COM王X <= 9)
        for (int y = 1; y <= 9; ++y) {
            const int v = b[p.COM王X][y];
            if (v == -飛 || v == -飛成 || v == -香) s -= 点(1);
        }
    return s;
}

// Whether `駒` on (tx, ty) could reach (x, y) at all; the move test decides. Codes other than
// the computer's pieces are always let through.
bool 届きうる(int 駒, int tx, int ty, int x, int y) {
    const int dx = 絶対値(x - tx), dy = 絶対値(y - ty);
    switch (駒) {
        case 香: return dx == 0;
        case 角: return dx == dy;
        case 角成: return dx == dy || (dx <= 1 && dy <= 1);
        case 飛: return dx == 0 || dy == 0;
        case 飛成: return dx == 0 || dy == 0 || (dx <= 1 && dy <= 1);
        case 歩:
        case と:
        case 香成:
        case 桂:
        case 桂成:
        case 銀:
        case 銀成:
        case 金:
        case 王: return dx <= 2 && dy <= 2;
        default: return true;
    }
}

// The moved piece, on a square the human does not reach, attacks undefended human pieces (the
// human king counts however defended): 0.1 each, and the cheapest of them when there are two.
点数 両取り(const 盤面& t, int 駒, int tx, int ty) {
    if (t.m.勢力MAN[tx][ty] != 0) return 0;
    const auto& p = t.p;
    桝集合 狙い = t.人駒 & ~t.人効;
    if (盤上か(p.MAN王X, p.MAN王Y))
        狙い = 狙い | (t.人駒 & 四角(p.MAN王X, p.MAN王X, p.MAN王Y, p.MAN王Y));
    int 数 = 0, 最小 = 9999;
    各桝(狙い, [&](int x, int y) {
        if (届きうる(駒, tx, ty, x, y) && 移動チェック(p, tx, ty, x, y, 駒) == 1) {
            ++数;
            if (-p.盤[x][y] < 最小) 最小 = -p.盤[x][y];
        }
    });
    return 数 + (数 > 1 ? 点(最小) : 0);
}

}  // namespace

点数 盤評価_COM危険座標(局面& p, const 勢力地図& m, const COM思考状態& c, int 駒, int 先X,
                        int 先Y) {
    const 盤面 t(p, m, c);
    点数 s = 人の効く空き桝(t);
    if (p.MAN持駒数 > 0) s += 持駒の脅威(t);
    return s + COMの駒(t) + 人の駒(t) + 両取り(t, 駒, 先X, 先Y);
}

int 盤評価_自角注意_COM(const 局面& p, const COM思考状態& c, int 先X, int 先Y, int 駒) {
    int fx = 0, fy = 0;
    for (int i = 1; i <= 9 && fx == 0; ++i) {
        for (int a = 1; a <= 9; ++a) {
            if (c.MAN角打王手[i][a] == 1 && (移動チェック(p, 先X, 先Y, i, a, -角) == 1 ||
                                             移動チェック(p, 先X, 先Y, i, a, -角成) == 1)) {
                fx = i;
                fy = a;
                break;
            }
        }
    }
    if (fx == 0) return 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int v = p.盤[x][y];
            if ((v == -角 || v == -角成) && 移動チェック(p, x, y, fx, fy, v) == 1) return 駒;
        }
    }
    if (p.MAN持駒[持駒_角] > 0 && 移動チェック(p, 自持駒列, 持駒_角 + 2, fx, fy, -角) == 1)
        return 駒;
    return 0;
}

}  // namespace yukora
