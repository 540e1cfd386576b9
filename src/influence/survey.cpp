#include "influence/survey.h"

#include "influence/marking.h"

namespace yukora {

using influence::COM一歩;
using influence::COM効き方;
using influence::MAN一歩;
using influence::直進;

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
    constexpr COM効き方 how{.守駒 = true, .王手 = true};
    for (const auto& s : steps) COM一歩(p, m, 金, x, y, s[0], s[1], how);
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
        case 歩: COM一歩(p, m, 歩, x, y, 0, 1, {.守駒 = true, .攻駒 = true, .王手 = true}); break;
        case と:
        case 香成:
        case 桂成:
        case 銀成:
        case 金: 勢力確定敵金(p, m, x, y); break;
        case 香: 勢力確定下直進(p, m, 香, x, y); break;
        case 桂:
            if (y <= 7) {
                constexpr COM効き方 how{.守駒 = true, .守駒座標 = true, .王手 = true, .桂 = true};
                COM一歩(p, m, 桂, x, y, -1, 2, how);
                COM一歩(p, m, 桂, x, y, 1, 2, how);
            }
            break;
        case 銀: {
            constexpr int steps[5][2] = {{0, 1}, {-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
            constexpr COM効き方 how{.守駒 = true, .守駒座標 = true, .王手 = true};
            for (const auto& s : steps) COM一歩(p, m, 銀, x, y, s[0], s[1], how);
            break;
        }
        case 角: 勢力確定敵角(p, m, 角, x, y); break;
        case 角成:
            for (const auto& s : 縦横) COM一歩(p, m, 角成, x, y, s[0], s[1], {.王手 = true});
            勢力確定敵角(p, m, 角成, x, y);
            break;
        case 飛: 縦横四方(p, m, 飛, x, y); break;
        case 飛成: {
            縦横四方(p, m, 飛成, x, y);
            constexpr COM効き方 how{
                .守駒 = true, .守駒座標 = true, .攻駒 = true, .攻駒座標 = true, .王手 = true};
            for (const auto& s : 斜め) COM一歩(p, m, 飛成, x, y, s[0], s[1], how);
            break;
        }
        case 王:
            p.COM王X = x;
            p.COM王Y = y;
            for (const auto& s : 八方) COM一歩(p, m, 王, x, y, s[0], s[1], {.守駒 = true});
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

}  // namespace yukora
