#include "computer/reference_danger_squares.h"

#include "computer/surveys.h"
#include "rules/move_legality.h"

namespace yukora::参照 {
namespace {

int 絶対値(int v) { return v < 0 ? -v : v; }

bool 銀か金を持つ(const 局面& p) { return p.MAN持駒[持駒_銀] > 0 || p.MAN持駒[持駒_金] > 0; }

struct 両取り数 {
    int 数 = 0;
    int 最小 = 9999;
};

// An empty square that the human reaches: near the computer's king, or in its camp.
点数 人の効く空き桝(局面& p, const 勢力地図& m, int x, int y) {
    const int 人 = m.勢力MAN[x][y], 機 = m.勢力COM[x][y];
    点数 s = 0;
    if (絶対値(x - p.COM王X) < 2 && 絶対値(y - p.COM王Y) < 2) {
        s -= 5 * 人;
        if (人 > 1 && 機 == 1) s -= 点(10);
        if (銀か金を持つ(p)) s -= 点(10);
    }
    if (y < 4) {
        if (機 == 0) {
            s -= 1;
            if (調査_自守駒MAN_直進駒(p, x, y)) s -= 点(10);
        }
        if (p.盤[x][y + 1] == -歩 && 人 >= 機) {
            s -= 点(30);
            if (調査_自守駒MAN_直進駒(p, x, y + 1)) s -= 点(70);
        }
    }
    return s;
}

// An empty square where a piece from the human's hand could do harm.
点数 持駒の脅威(const 局面& p, const 勢力地図& m, int x, int y) {
    const int 人 = m.勢力MAN[x][y], 機 = m.勢力COM[x][y];
    const auto& b = p.盤;
    点数 s = 0;
    // A lance dropped here would skewer two valuable pieces up the column.
    if (p.MAN持駒[持駒_香] > 0 && y > 2 && b[x][y - 1] > 香 && (機 == 0 || 人 > 0)) {
        for (int i = y - 2; i >= 1; --i) {
            if (b[x][i] == 0) continue;
            if (b[x][i] > 香) s -= 点(100) + 5 * b[x][i];
            break;
        }
    }
    if (p.MAN持駒[持駒_桂] > 0 && (機 == 0 || (人 > 0 && m.攻駒COM[x][y] > 桂)) && y > 2 &&
        x >= 2 && x <= 8 && b[x - 1][y - 2] > 歩 && b[x + 1][y - 2] > 歩)
        s -= 点(20);
    if (銀か金を持つ(p) && 機 <= 1) {
        const int 周辺 = 調査_周辺状況(p, x, y);
        if (周辺 < -1) s -= 点(5);
        if (機 == 0 && 周辺 < 0) {
            s -= 点(1);
            if (y < 4) s -= 点(10);
        }
    }
    if (機 == 0) {
        if (y == 2 && b[x][1] == 桂) s -= 点(5);
        if (y < 4) s -= 1;
        if (p.MAN持駒[持駒_銀] > 0 && y > 1 && y < 9 && x >= 2 && x <= 8) {
            const auto 空き狙い = [&](int ax, int ay, int bx, int by) {
                return b[ax][ay] >= 10 && b[bx][by] >= 10 && m.勢力COM[ax][ay] == 0 &&
                       m.勢力COM[bx][by] == 0;
            };
            if (空き狙い(x - 1, y - 1, x + 1, y + 1)) s -= 点(20);
            if (空き狙い(x - 1, y + 1, x + 1, y - 1)) s -= 点(20);
        }
    }
    return s;
}

点数 空き桝(局面& p, const 勢力地図& m, int x, int y) {
    点数 s = 0;
    if (m.勢力MAN[x][y] > 0) s += 人の効く空き桝(p, m, x, y);
    if (p.MAN持駒数 > 0) s += 持駒の脅威(p, m, x, y);
    return s;
}

// A computer piece that the human attacks, the rules' clauses as losses: defended by the king
// alone, worth more than its cheapest attacker, lost outright when undefended, lost to numbers
// or to a rook or lance behind when defended. An attacker that is pinned takes nothing.
点数 攻められた駒(局面& p, const 勢力地図& m, const COM思考状態& c, int x, int y) {
    const int 値 = p.盤[x][y];
    const int 攻め = m.勢力MAN[x][y], 守り = m.勢力COM[x][y];
    const int 攻め駒 = 絶対値(m.攻駒MAN[x][y]);
    const bool 攻め駒が動ける = c.MAN移動不可[m.攻駒MAN_X[x][y]][m.攻駒MAN_Y[x][y]] == 0;
    点数 損 = 0;
    if (m.守駒COM[x][y] == 王 && (攻め > 1 || 値 > 攻め駒)) 損 += 点(100);
    if (攻め駒が動ける && 値 > 攻め駒) 損 += 点(値) - 点(攻め駒);
    if (守り == 0) {
        損 += 点(値) + (y <= 3 ? 点(10) : 0);
        if (c.盤保存[x][y] <= -10) 損 -= 点(-c.盤保存[x][y]);  // it has just taken a piece there
        const int 一番安い = m.攻駒MAN[x][y];
        if (y < 4 && (一番安い == -歩 || 一番安い == -香)) 損 += 点(20);
    } else if (攻め駒が動ける) {
        if (攻め > 守り && m.守駒COM[x][y] >= 攻め駒) 損 += 点(値);
        const bool 下に駒 = y < 9 && p.盤[x][y + 1] != 0;
        if (y <= 3 && 守り == 攻め && 下に駒 && 調査_自守駒MAN_直進駒(p, x, y + 1))
            損 += 点(値) + 点(絶対値(m.攻駒MAN[x][y + 1]));
    }
    return -損;
}

点数 COMの駒(局面& p, const 勢力地図& m, const COM思考状態& c, int x, int y) {
    const int v = p.盤[x][y];
    点数 s = 0;
    if (v == 王 && y == 1 && m.勢力MAN[x][2] > 0) {
        s -= 点(50);
        if (m.勢力MAN[x][2] >= m.勢力COM[x][2]) s -= 点(250);
        if (銀か金を持つ(p)) s -= 点(700);
    }
    if (v == 歩 && m.攻駒MAN[x][y] == -飛 && p.MAN持駒[持駒_歩] > 0 &&
        m.勢力MAN[x][y] >= m.勢力COM[x][y] && y < 9 && m.勢力COM[x][y + 1] == 1)
        s -= 点(5);
    if (m.勢力MAN[x][y] > 0) s += 攻められた駒(p, m, c, x, y);
    return s;
}

点数 人の駒(const 局面& p, const 勢力地図& m, const COM思考状態& c, int x, int y, int 駒, int tx,
            int ty, 両取り数& f) {
    const int v = p.盤[x][y];
    const auto& b = p.盤;
    点数 s = 0;
    if (c.勢力COM前[x][y] == 0 && m.勢力COM[x][y] > 0) {
        if (v == -桂 && y > 2 && m.勢力MAN[x][y - 1] == 0 &&
            (b[x][y - 1] == 銀 || b[x][y - 1] == 飛成 || b[x][y - 1] == 角成))
            s += 点(1);
        if (絶対値(x - p.COM王X) < 3 && 絶対値(y - p.COM王Y) < 3) s += 点(15);
    }
    if (v == -桂 && y > 4 && b[x][y - 4] >= 銀) {
        for (int d : {-1, 1}) {
            const int sx = x + d;
            if (sx < 1 || sx > 9) continue;
            if (b[sx][y - 2] >= 0 && m.勢力COM[sx][y - 2] == 0) s -= 点(1);
        }
    } else if ((v == -飛 || v == -飛成 || v == -香) && x == p.COM王X) {
        s -= 点(1);
    }
    if (m.勢力MAN[tx][ty] == 0 && (m.勢力MAN[x][y] == 0 || (x == p.MAN王X && y == p.MAN王Y)) &&
        移動チェック(p, tx, ty, x, y, 駒) == 1) {
        s += 1;
        ++f.数;
        if (-v < f.最小) f.最小 = -v;
    }
    return s;
}

}  // namespace

点数 盤評価_COM危険座標(局面& p, const 勢力地図& m, const COM思考状態& c, int 駒, int 先X,
                        int 先Y) {
    点数 s = 0;
    両取り数 f;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int v = p.盤[x][y];
            if (v == 0) s += 空き桝(p, m, x, y);
            else if (v >= 10) s += COMの駒(p, m, c, x, y);
            else if (v <= -10) s += 人の駒(p, m, c, x, y, 駒, 先X, 先Y, f);
        }
    }
    if (f.数 > 1) s += 点(f.最小);
    return s;
}

namespace {

// How a slider stands to a king: whether its moves go that way on an empty board, and the
// occupied squares strictly between.
struct 筋 {
    bool 向き = false;
    int 間の駒 = 0;
    int 間X = 0, 間Y = 0;  // the last of them
};

筋 飛び駒の筋(const 局面& p, int code, int x, int y, int kx, int ky) {
    筋 r;
    const int dx = kx - x, dy = ky - y;
    const bool 隣 = 絶対値(dx) <= 1 && 絶対値(dy) <= 1;
    const bool 斜め = 絶対値(dx) == 絶対値(dy), 縦横 = dx == 0 || dy == 0;
    switch (絶対値(code)) {
        case 香: r.向き = dx == 0 && (code > 0 ? dy > 0 : dy < 0); break;
        case 角: r.向き = 斜め; break;
        case 角成: r.向き = 斜め || 隣; break;
        case 飛: r.向き = 縦横; break;
        case 飛成: r.向き = 縦横 || 隣; break;
        default: break;
    }
    if (!r.向き || 隣) return r;
    const int sx = (dx > 0) - (dx < 0), sy = (dy > 0) - (dy < 0);
    for (int i = x + sx, j = y + sy; i != kx || j != ky; i += sx, j += sy) {
        if (p.盤[i][j] == 0) continue;
        ++r.間の駒;
        r.間X = i;
        r.間Y = j;
    }
    return r;
}

bool 飛び駒か(int code) {
    const int a = 絶対値(code);
    return a == 香 || a == 角 || a == 角成 || a == 飛 || a == 飛成;
}

}  // namespace

// Along the lines instead of by lifting each piece: a piece of one side is pinned when an enemy
// slider's line to its king is open but for that piece, and every piece of the side counts when
// the line is open already. A king square off the board, or held by the slider's own side,
// is reached by nothing.
void 調査_移動不可駒(局面& p, COM思考状態& c) {
    c.MAN移動不可 = {};
    c.COM移動不可有 = false;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int code = p.盤[x][y];
            if (!飛び駒か(code)) continue;
            const bool com = code > 0;
            const int kx = com ? p.MAN王X : p.COM王X, ky = com ? p.MAN王Y : p.COM王Y;
            if (!盤上か(kx, ky) || (com ? 敵駒か(p.盤[kx][ky]) : 自駒か(p.盤[kx][ky]))) continue;
            const 筋 r = 飛び駒の筋(p, code, x, y, kx, ky);
            if (!r.向き || r.間の駒 > 1) continue;
            const bool 相手の駒 =
                r.間の駒 == 1 && (com ? p.盤[r.間X][r.間Y] < 0 : p.盤[r.間X][r.間Y] > 0);
            if (r.間の駒 == 1 && !相手の駒) continue;
            for (int i = 1; i <= 9; ++i) {
                for (int j = 1; j <= 9; ++j) {
                    const int v = p.盤[i][j];
                    const bool 開ける = 相手の駒 ? i == r.間X && j == r.間Y : (com ? v < 0 : v > 0);
                    if (!開ける) continue;
                    if (com) c.MAN移動不可[i][j] = 1;
                    else c.COM移動不可有 = true;
                }
            }
        }
    }
}

}  // namespace yukora::参照
