#include "rules/making_move.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/board_fixtures.h"
#include "support/fake_board_view.h"

namespace yukora {
namespace {

using test::局面を作る;
using test::記録する盤描画;

TEST(移動後チェック, 行き所のない駒) {
    EXPECT_EQ(移動後チェック(1, -歩), 0);
    EXPECT_EQ(移動後チェック(1, -香), 0);
    EXPECT_EQ(移動後チェック(2, -桂), 0);
    EXPECT_EQ(移動後チェック(3, -桂), 1);
    EXPECT_EQ(移動後チェック(2, -歩), 1);
    EXPECT_EQ(移動後チェック(9, 歩), 0);
    EXPECT_EQ(移動後チェック(8, 桂), 0);
    EXPECT_EQ(移動後チェック(7, 桂), 1);
    EXPECT_EQ(移動後チェック(1, -銀), 1);
}

TEST(調査駒成, 成れる場合と成駒) {
    int 成駒 = 0;
    EXPECT_EQ(調査_駒成(5, 7, 5, 6, 銀, 成駒), 1);  // leaving the zone
    EXPECT_EQ(成駒, 101);
    for (const int 駒 : {-銀, -角, -飛}) {  // the bottom side leaving its zone
        EXPECT_EQ(調査_駒成(5, 3, 4, 4, 駒, 成駒), 1) << 駒;
        EXPECT_EQ(成駒, 駒 - 1);
    }
    EXPECT_EQ(調査_駒成(5, 6, 5, 7, 歩, 成駒), 1);
    EXPECT_EQ(成駒, 11);
    EXPECT_EQ(調査_駒成(5, 4, 5, 3, -歩, 成駒), 1);
    EXPECT_EQ(成駒, -11);
    EXPECT_EQ(調査_駒成(2, 8, 8, 2, -角, 成駒), 1);
    EXPECT_EQ(成駒, -801);
    成駒 = 42;
    EXPECT_EQ(調査_駒成(5, 4, 5, 3, -金, 成駒), 0);
    EXPECT_EQ(調査_駒成(5, 4, 5, 3, -と, 成駒), 0);
    EXPECT_EQ(調査_駒成(5, 5, 5, 4, -飛, 成駒), 0);
    EXPECT_EQ(調査_駒成(自持駒列, 3, 5, 1, -銀, 成駒), 0);  // drops never promote
    EXPECT_EQ(調査_駒成(敵持駒列, 1, 5, 8, 歩, 成駒), 0);
    EXPECT_EQ(成駒, 42);
}

TEST(駒移動, 成駒を取ると元の駒が持駒に入る) {
    局面 p = 局面を作る({{5, 5, -金}, {5, 4, 飛成}});
    進行状態 s;
    記録する盤描画 view;
    駒移動(p, s.番, view, 5, 5, 5, 4, -金);
    EXPECT_EQ(p.盤[5][4], -金);
    EXPECT_EQ(p.盤[5][5], 0);
    EXPECT_EQ(p.MAN持駒[持駒_飛], 1);
    EXPECT_EQ(p.MAN持駒数, 1);
    EXPECT_EQ(s.番.勝者, 0);
    const std::vector<std::string> expected = {"自持盤",      "絵 0 5 5",   "輪郭 0 5 5",
                                               "絵 -110 5 4", "輪郭 0 5 4", "輪郭 0 5 4"};
    EXPECT_EQ(view.呼出し, expected);
}

TEST(駒移動, 王を取ると勝者が決まり持駒は変わらない) {
    局面 p = 局面を作る({{5, 2, -金}, {5, 1, 王}});
    進行状態 s;
    s.番.MAN番 = 1, s.番.COM番 = -1;
    描画なし view;
    駒移動(p, s.番, view, 5, 2, 5, 1, -金);
    EXPECT_EQ(s.番.勝者, 1);
    EXPECT_EQ(p.MAN持駒数, 0);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(p.MAN持駒[k], 0);

    局面 q = 局面を作る({{5, 8, と}, {5, 9, -王}});
    駒移動(q, s.番, view, 5, 8, 5, 9, と);
    EXPECT_EQ(s.番.勝者, -1);
    EXPECT_EQ(q.COM持駒数, 0);
}

TEST(駒移動, 打つと持駒と合計が減り持駒台が描き直される) {
    局面 p = 局面を作る({});
    p.COM持駒[持駒_銀] = 2;
    p.COM持駒数 = 2;
    進行状態 s;
    記録する盤描画 view;
    駒移動(p, s.番, view, 敵持駒列, 持駒_銀, 5, 5, 銀);
    EXPECT_EQ(p.盤[5][5], 銀);
    EXPECT_EQ(p.COM持駒[持駒_銀], 1);
    EXPECT_EQ(p.COM持駒数, 1);
    EXPECT_EQ(view.呼出し.at(0), "絵 0 -1 4");
    EXPECT_EQ(view.呼出し.at(2), "敵持盤");

    p.MAN持駒[持駒_歩] = 1;
    p.MAN持駒数 = 1;
    駒移動(p, s.番, view, 自持駒列, 持駒_歩 + 2, 4, 4, -歩);
    EXPECT_EQ(p.MAN持駒[持駒_歩], 0);
    EXPECT_EQ(p.MAN持駒数, 0);
    EXPECT_EQ(p.盤[4][4], -歩);
}

TEST(駒移動, 自王の位置だけを覚える) {
    局面 p = 局面を作る({{5, 9, -王}, {5, 1, 王}});
    進行状態 s;
    描画なし view;
    駒移動(p, s.番, view, 5, 9, 4, 8, -王);
    EXPECT_EQ(p.MAN王X, 4);
    EXPECT_EQ(p.MAN王Y, 8);
    駒移動(p, s.番, view, 5, 1, 6, 2, 王);
    EXPECT_EQ(p.COM王X, 5);  // only the survey writes the top king's square
    EXPECT_EQ(p.COM王Y, 1);
}

TEST(駒取得, 金成の111は金として持駒に入る) {
    局面 p;
    進行状態 s;
    駒取得(p, s.番, 111);
    駒取得(p, s.番, -111);
    EXPECT_EQ(p.MAN持駒[持駒_金], 1);
    EXPECT_EQ(p.COM持駒[持駒_金], 1);
}

TEST(二歩フラグ, 成った歩は数えない) {
    局面 p = 局面を作る({{1, 7, -歩}, {2, 3, -と}, {9, 3, 歩}, {8, 7, と}});
    p.MAN2歩フラグ[5] = 1;  // stale flags are recomputed
    調査_2歩フラグ設定(p);
    EXPECT_EQ(p.MAN2歩フラグ[1], 1);
    EXPECT_EQ(p.MAN2歩フラグ[2], 0);
    EXPECT_EQ(p.MAN2歩フラグ[5], 0);
    EXPECT_EQ(p.COM2歩フラグ[9], 1);
    EXPECT_EQ(p.COM2歩フラグ[8], 0);
}

}  // namespace
}  // namespace yukora
