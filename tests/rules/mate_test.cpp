#include "rules/mate.h"

#include <gtest/gtest.h>

#include "influence/survey.h"
#include "rules/making_move.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::局面を作る;

// Runs the survey and the top side's mate test; the board must come back unchanged.
int COMは詰みか(局面 p) {
    勢力地図 m;
    調査_2歩フラグ設定(p);
    勢力調査(p, m);
    const 盤型 before = p.盤;
    const int r = 詰めかCOM(p, m);
    EXPECT_EQ(p.盤, before);
    return r;
}

int MANは詰みか(局面 p) {
    勢力地図 m;
    調査_2歩フラグ設定(p);
    勢力調査(p, m);
    const 盤型 before = p.盤;
    const int r = 詰めかMAN(p, m);
    EXPECT_EQ(p.盤, before);
    return r;
}

void 持たせる(局面& p, bool com, int kind, int n) {
    (com ? p.COM持駒 : p.MAN持駒)[kind] = static_cast<駒型>(n);
    (com ? p.COM持駒数 : p.MAN持駒数) += n;
}

TEST(詰めかCOM, 王手されていなければ詰みではない) {
    局面 p = 局面を作る({{1, 1, 王}, {2, 1, 香}, {2, 2, 桂}, {1, 2, 香}});
    EXPECT_EQ(COMは詰みか(p), 0);
}

// Top king in the corner, boxed in by its own lances, checked along column 1.
局面 遠い王手() { return 局面を作る({{1, 1, 王}, {2, 1, 香}, {2, 2, 香}, {1, 5, -飛}}); }

TEST(詰めかCOM, 遠い王手は持駒で合駒できる) {
    EXPECT_EQ(COMは詰みか(遠い王手()), 1);
    局面 p = 遠い王手();
    持たせる(p, true, 持駒_銀, 1);
    EXPECT_EQ(COMは詰みか(p), 0);
    局面 q = 遠い王手();
    持たせる(q, true, 持駒_歩, 2);
    EXPECT_EQ(COMは詰みか(q), 0);
}

TEST(詰めかCOM, 歩しかなく二歩で打てなければ逃げと取りを調べる) {
    局面 p = 遠い王手();
    p.盤[1][7] = 歩;  // a top pawn already stands in column 1
    持たせる(p, true, 持駒_歩, 1);
    EXPECT_EQ(COMは詰みか(p), 1);
    // The same, but the lance on (2, 1) gone: the king can flee there.
    p.盤[2][1] = 0;
    EXPECT_EQ(COMは詰みか(p), 0);
}

TEST(詰めかCOM, 桂の王手は合駒できない) {
    局面 p = 局面を作る({{1, 1, 王}, {2, 1, 香}, {2, 2, 桂}, {1, 2, 香}, {2, 3, -桂}});
    持たせる(p, true, 持駒_金, 1);
    EXPECT_EQ(COMは詰みか(p), 1);
    p.盤[2][2] = 香;  // now the lance on (2, 2) can take the knight
    EXPECT_EQ(COMは詰みか(p), 0);
}

TEST(詰めかCOM, 打ち歩詰めも詰みと判定する) {
    局面 p = 局面を作る({{1, 1, 王}, {2, 1, 香}, {2, 2, 桂}, {1, 5, -香}});
    p.MAN持駒[持駒_歩] = 1;
    p.MAN持駒数 = 1;
    進行状態 s;
    描画なし view;
    駒移動(p, s.番, view, 自持駒列, 持駒_歩 + 2, 1, 2, -歩);
    EXPECT_EQ(COMは詰みか(p), 1);
}

TEST(詰めかCOM, 紐の付いた頭金は詰み) {
    局面 p = 局面を作る({{5, 1, 王}, {5, 2, -金}, {5, 3, -歩}});
    持たせる(p, true, 持駒_飛, 1);
    EXPECT_EQ(COMは詰みか(p), 1);
    p.盤[5][3] = 0;  // unprotected: the king takes the gold
    EXPECT_EQ(COMは詰みか(p), 0);
    p.盤[5][3] = -歩;
    p.盤[4][1] = 銀;  // the silver takes the gold
    EXPECT_EQ(COMは詰みか(p), 0);
}

TEST(詰めかMAN, 遠い王手は持駒で合駒できる) {
    局面 p = 局面を作る({{9, 9, -王}, {8, 9, -香}, {8, 8, -香}, {9, 5, 飛}});
    EXPECT_EQ(MANは詰みか(p), 1);
    持たせる(p, false, 持駒_金, 1);
    EXPECT_EQ(MANは詰みか(p), 0);
}

TEST(詰めかMAN, 歩しかなく二歩なら詰み) {
    局面 p = 局面を作る({{9, 9, -王}, {8, 9, -香}, {8, 8, -香}, {9, 5, 飛}, {9, 3, -歩}});
    持たせる(p, false, 持駒_歩, 1);
    EXPECT_EQ(MANは詰みか(p), 1);
    p.盤[9][3] = 0;
    EXPECT_EQ(MANは詰みか(p), 0);
}

TEST(詰めかMAN, 取る手は直接の利きで判定する) {
    局面 p = 局面を作る({{9, 9, -王}, {9, 8, 金}, {9, 7, 歩}});
    EXPECT_EQ(MANは詰みか(p), 1);
    p.盤[8][9] = -銀;  // takes the gold; no top piece then reaches the king
    EXPECT_EQ(MANは詰みか(p), 0);
}

TEST(詰めかMAN, 逃げ道があれば詰みではない) {
    局面 p = 局面を作る({{5, 9, -王}, {5, 8, 金}, {5, 7, 歩}});
    EXPECT_EQ(MANは詰みか(p), 1);  // the gold covers every flight square
    p.盤[5][8] = 銀;               // a silver leaves (4, 8) and (6, 8) free
    EXPECT_EQ(MANは詰みか(p), 0);
}

TEST(詰めかMANCOM移動, 敵の駒が自王に届くか) {
    局面 p = 局面を作る({{5, 9, -王}, {5, 1, 香}});
    EXPECT_EQ(詰めかMAN_COM移動(p), 1);
    p.盤[5][5] = -歩;
    EXPECT_EQ(詰めかMAN_COM移動(p), 0);
}

TEST(調査自王逃道, 隅の王は三桝だけ見る) {
    局面 p = 局面を作る({{1, 9, -王}});
    勢力地図 m;
    勢力調査(p, m);
    盤型 marks{};
    EXPECT_EQ(調査_自王逃道(p, m, marks), 3);
    EXPECT_EQ(marks[1][8], 1);
    EXPECT_EQ(marks[2][8], 1);
    EXPECT_EQ(marks[2][9], 1);
    p.盤[2][8] = -金;  // an own piece is no flight square
    p.盤[1][5] = 香;   // the top lance covers (1, 8)
    勢力調査(p, m);
    盤型 marks2{};
    EXPECT_EQ(調査_自王逃道(p, m, marks2), 1);
    EXPECT_EQ(marks2[2][9], 1);
}

}  // namespace
}  // namespace yukora
