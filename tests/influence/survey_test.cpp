#include "influence/survey.h"

#include <gtest/gtest.h>

#include <array>

#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::局面を作る;
using 行 = std::array<int, 9>;

行 行を読む(const 盤型& map, int y) {
    行 r{};
    for (int x = 1; x <= 9; ++x) r[x - 1] = map[x][y];
    return r;
}

bool 全て(const 盤型& map, int value) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (map[x][y] != value) return false;
    return true;
}

TEST(勢力調査, 初期局面の勢力と守駒) {
    局面 p = test::初期局面();
    勢力地図 m;
    勢力調査(p, m);
    EXPECT_EQ(行を読む(m.勢力MAN, 6), (行{1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(行を読む(m.勢力MAN, 7), (行{3, 0, 2, 0, 0, 0, 1, 1, 2}));
    EXPECT_EQ(行を読む(m.勢力MAN, 8), (行{1, 2, 3, 4, 4, 4, 3, 1, 2}));
    EXPECT_EQ(行を読む(m.勢力MAN, 9), (行{1, 0, 2, 1, 2, 1, 1, 1, 0}));
    for (int y = 1; y <= 5; ++y) EXPECT_EQ(行を読む(m.勢力MAN, y), 行{}) << y;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            EXPECT_EQ(m.勢力COM[x][y], m.勢力MAN[10 - x][10 - y]) << x << "," << y;
    EXPECT_EQ(行を読む(m.守駒MAN, 7), (行{-800, 999, -800, 999, 999, 999, -30, -900, -30}));
    EXPECT_EQ(行を読む(m.守駒MAN, 8), (行{999, -900, 999, 999, 999, 999, 999, -100, 999}));
    EXPECT_EQ(行を読む(m.守駒MAN, 9), (行{-800, 999, -800, -950, -110, -950, -110, -900, 999}));
    EXPECT_EQ(行を読む(m.守駒COM, 1), (行{999, 900, 110, 950, 110, 950, 110, 999, 800}));
    EXPECT_EQ(行を読む(m.守駒COM, 2), (行{999, 100, 999, 999, 999, 999, 999, 100, 999}));
    EXPECT_EQ(行を読む(m.守駒COM, 3), (行{20, 900, 30, 999, 999, 999, 30, 999, 20}));
    EXPECT_TRUE(全て(m.攻駒MAN, -999));
    EXPECT_TRUE(全て(m.攻駒COM, 999));
    EXPECT_TRUE(全て(m.MAN王手筋, 0));
    EXPECT_TRUE(全て(m.COM王手筋, 0));
    EXPECT_EQ(p.MAN王X, 5);
    EXPECT_EQ(p.COM王Y, 1);
}

TEST(勢力調査, 縦の王手は王の先まで届く) {
    局面 p = 局面を作る({{5, 7, -飛}, {5, 2, 王}, {5, 1, 金}});
    勢力地図 m;
    勢力調査(p, m);
    EXPECT_EQ(m.MAN王手筋[5][1], 0);
    EXPECT_EQ(m.MAN王手筋[5][2], 0);
    for (int y = 3; y <= 6; ++y) EXPECT_EQ(m.MAN王手筋[5][y], 1) << y;
    EXPECT_EQ(m.MAN王手筋[5][7], 9);
    EXPECT_EQ(m.勢力MAN[5][1], 1);
    EXPECT_EQ(m.攻駒MAN[5][1], -900);
    EXPECT_EQ(m.攻駒MAN_X[5][1], 5);
    EXPECT_EQ(m.攻駒MAN_Y[5][1], 7);
    EXPECT_EQ(m.攻駒MAN[5][2], -900);
}

TEST(勢力調査, 斜めの王手と王の先の駒) {
    局面 p = 局面を作る({{8, 8, -角}, {3, 3, 王}, {2, 2, 香}});
    勢力地図 m;
    勢力調査(p, m);
    for (int k = 4; k <= 7; ++k) EXPECT_EQ(m.MAN王手筋[k][k], 1) << k;
    EXPECT_EQ(m.MAN王手筋[8][8], 9);
    EXPECT_EQ(m.MAN王手筋[3][3], 0);
    EXPECT_EQ(m.攻駒MAN[2][2], -800);
    EXPECT_EQ(m.攻駒MAN_X[2][2], 8);
    EXPECT_EQ(m.攻駒MAN_Y[2][2], 8);
    EXPECT_EQ(m.勢力MAN[1][1], 0);  // the ray stops at the lance
}

TEST(勢力調査, 桂の王手は王の桝にも印を付ける) {
    局面 p = 局面を作る({{4, 4, -桂}, {5, 2, 王}});
    勢力地図 m;
    勢力調査(p, m);
    int marked = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) marked += m.MAN王手筋[x][y] != 0;
    EXPECT_EQ(marked, 2);
    EXPECT_EQ(m.MAN王手筋[4][4], 9);
    EXPECT_EQ(m.MAN王手筋[5][2], 9);
}

TEST(勢力調査, 同じ攻駒は先に調べた方が残る) {
    局面 p = 局面を作る({{5, 5, 銀}, {4, 6, -金}, {6, 6, -金}});
    勢力地図 m;
    勢力調査(p, m);
    EXPECT_EQ(m.攻駒MAN[5][5], -110);
    EXPECT_EQ(m.攻駒MAN_X[5][5], 4);
    EXPECT_EQ(m.攻駒MAN_Y[5][5], 6);
    EXPECT_EQ(m.勢力MAN[5][5], 2);
    p.盤[5][6] = -歩;
    勢力調査(p, m);
    EXPECT_EQ(m.攻駒MAN[5][5], -10);
    EXPECT_EQ(m.攻駒MAN_X[5][5], 5);
    EXPECT_EQ(m.攻駒MAN_Y[5][5], 6);
    EXPECT_EQ(m.勢力MAN[5][5], 3);
}

TEST(勢力調査, 敵の金の王手と攻駒) {
    局面 p = 局面を作る({{5, 8, 金}, {5, 9, -王}});
    勢力地図 m;
    勢力調査(p, m);
    EXPECT_EQ(m.勢力COM[5][9], 1);
    EXPECT_EQ(m.攻駒COM[5][9], 999);
    EXPECT_EQ(m.COM王手筋[5][8], 9);
    EXPECT_EQ(m.守駒MAN[5][8], 999);
    EXPECT_EQ(m.攻駒MAN[5][8], -950);  // the king reaches the gold
}

TEST(勢力調査, 守駒の座標は記録する駒だけが書く) {
    局面 p = 局面を作る({{5, 5, 銀}, {4, 4, 王}});
    勢力地図 m;
    勢力調査(p, m);
    EXPECT_EQ(m.守駒COM[5][5], 950);
    p.盤[5][4] = 歩;
    勢力調査(p, m);
    EXPECT_EQ(m.守駒COM[5][5], 10);
    EXPECT_EQ(m.守駒COM_X[5][5], 0);
    EXPECT_EQ(m.守駒COM_Y[5][5], 0);
    // A silver records its square; a later survey without it leaves the square behind.
    p.盤[6][4] = 銀;
    p.盤[5][4] = 0;
    p.盤[4][4] = 0;
    勢力調査(p, m);
    EXPECT_EQ(m.守駒COM[5][5], 100);
    EXPECT_EQ(m.守駒COM_X[5][5], 6);
    p.盤[6][4] = 0;
    勢力調査(p, m);
    EXPECT_EQ(m.守駒COM[5][5], 999);
    EXPECT_EQ(m.守駒COM_X[5][5], 6);
    EXPECT_EQ(m.守駒COM_Y[5][5], 4);
}

TEST(勢力調査, 自王の隣の自駒は王が守る) {
    局面 p = 局面を作る({{5, 9, -王}, {5, 8, -金}, {5, 7, -飛}, {4, 8, -銀}});
    勢力地図 m;
    勢力調査(p, m);
    EXPECT_EQ(m.守駒MAN[5][8], -950);
    EXPECT_EQ(m.守駒MAN[4][8], -950);
}

TEST(勢力調査, 行き所のない駒と未知の駒は何にも届かない) {
    局面 p =
        局面を作る({{1, 1, -歩}, {2, 2, -桂}, {3, 9, 歩}, {4, 8, 桂}, {6, 5, 111}, {7, 5, -111}});
    勢力地図 m;
    勢力調査(p, m);
    EXPECT_TRUE(全て(m.勢力MAN, 0));
    EXPECT_TRUE(全て(m.勢力COM, 0));
}

TEST(勢力調査, 王がいなければ王の位置は前の値のまま) {
    局面 p = 局面を作る({{5, 5, -歩}});
    p.COM王X = 3, p.COM王Y = 2, p.MAN王X = 7, p.MAN王Y = 8;
    勢力地図 m;
    勢力調査(p, m);
    EXPECT_EQ(p.COM王X, 3);
    EXPECT_EQ(p.COM王Y, 2);
    EXPECT_EQ(p.MAN王X, 7);
}

TEST(勢力確定, 香は自駒で止まり守駒を付ける) {
    局面 p = 局面を作る({{1, 9, -香}, {1, 7, -歩}});
    勢力地図 m;
    勢力調査(p, m);
    EXPECT_EQ(m.勢力MAN[1][8], 1);
    EXPECT_EQ(m.勢力MAN[1][7], 1);
    EXPECT_EQ(m.勢力MAN[1][5], 0);
    EXPECT_EQ(m.勢力MAN[1][6], 1);  // the pawn's own step
    EXPECT_EQ(m.守駒MAN[1][7], -20);
}

TEST(勢力確定, 飛の攻駒は後から来た歩に負けて座標は残る) {
    局面 p = 局面を作る({{5, 1, 飛}, {5, 6, -歩}, {5, 5, 歩}});
    勢力地図 m;
    勢力調査(p, m);
    // The rook (column 5, row 1) is scanned before the pawn on row 5.
    EXPECT_EQ(m.攻駒COM[5][6], 10);
    EXPECT_EQ(m.攻駒COM_X[5][6], 0);  // the rook's ray stops at the top pawn on row 5
    局面 q = 局面を作る({{5, 1, 飛}, {5, 6, -歩}, {4, 5, 歩}, {6, 7, 歩}});
    q.盤[4][5] = 0;
    q.盤[5][5] = 0;
    勢力調査(q, m);
    EXPECT_EQ(m.攻駒COM[5][6], 900);
    EXPECT_EQ(m.攻駒COM_X[5][6], 5);
    EXPECT_EQ(m.攻駒COM_Y[5][6], 1);
    // A pawn scanned after the rook lowers the value; the square maps keep the rook's square.
    局面 r = 局面を作る({{1, 6, 飛}, {5, 6, -歩}, {5, 5, 歩}});
    勢力調査(r, m);
    EXPECT_EQ(m.攻駒COM[5][6], 10);
    EXPECT_EQ(m.攻駒COM_X[5][6], 1);
    EXPECT_EQ(m.攻駒COM_Y[5][6], 6);
}

TEST(勢力確定, 馬の斜めは自分の駒では角として記録する) {
    局面 p = 局面を作る({{5, 5, -角成}, {3, 3, 銀}, {7, 7, 角成}, {9, 9, -銀}});
    勢力地図 m;
    勢力調査(p, m);
    EXPECT_EQ(m.攻駒MAN[3][3], -800);
    EXPECT_EQ(m.攻駒MAN[7][7], -800);
    EXPECT_EQ(m.攻駒COM[9][9], 801);
    EXPECT_EQ(m.攻駒COM[5][5], 801);
}

TEST(勢力確定, 金の動きの記録コード) {
    局面 p = 局面を作る({{5, 5, と}, {5, 6, 銀}, {3, 3, -と}, {3, 2, -銀}});
    勢力地図 m;
    勢力調査(p, m);
    EXPECT_EQ(m.守駒COM[5][6], 110);
    EXPECT_EQ(m.守駒MAN[3][2], -11);
}

TEST(勢力確定, 隅の角は一方向だけ) {
    局面 p = 局面を作る({{1, 1, -角}});
    勢力地図 m;
    勢力調査(p, m);
    int count = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) count += m.勢力MAN[x][y];
    EXPECT_EQ(count, 8);
    EXPECT_EQ(m.勢力MAN[9][9], 1);
}

TEST(勢力確定, 王を通り抜けた先の駒にも攻駒を付ける) {
    局面 p = 局面を作る({{5, 9, -香}, {5, 5, 王}, {5, 3, 金}, {5, 1, 飛}});
    勢力地図 m;
    勢力調査(p, m);
    EXPECT_EQ(m.攻駒MAN[5][3], -20);
    EXPECT_EQ(m.勢力MAN[5][4], 1);
    EXPECT_EQ(m.勢力MAN[5][2], 0);
    EXPECT_EQ(m.MAN王手筋[5][6], 1);
    EXPECT_EQ(m.MAN王手筋[5][9], 9);
    EXPECT_EQ(m.MAN王手筋[5][4], 0);
}

TEST(勢力確定, 隣の王手は九だけ) {
    局面 p = 局面を作る({{5, 6, 飛}, {5, 7, -王}});
    勢力地図 m;
    勢力調査(p, m);
    EXPECT_EQ(m.COM王手筋[5][6], 9);
    EXPECT_EQ(m.攻駒COM[5][7], 900);
    EXPECT_EQ(m.勢力COM[5][8], 1);  // past the king
}

}  // namespace
}  // namespace yukora
