#include "game/move_list.h"

#include <gtest/gtest.h>

#include "game/state.h"
#include "rules/initial_setup.h"
#include "rules/making_move.h"
#include "support/board_fixtures.h"
#include "support/fake_board_view.h"

namespace yukora {
namespace {

TEST(手順保存, 指す前の局面と四つの時間を記録する) {
    局面 p = test::初期局面();
    p.MAN持駒[持駒_角] = 1;
    進行状態 s;
    手順リスト list;
    s.数.手順番号 = 3;
    手順保存(list, p, s.数, 1.5f, 2.5f, 3.5f, 4.5f);
    EXPECT_EQ(s.数.手順最終, 3);
    const 手順記録& e = list.参照(3);
    EXPECT_EQ(e.盤, p.盤);
    EXPECT_EQ(e.MAN持駒[持駒_角], 1);
    EXPECT_FLOAT_EQ(e.MAN時間前, 1.5f);
    EXPECT_FLOAT_EQ(e.MAN時間後, 2.5f);
    EXPECT_FLOAT_EQ(e.COM時間前, 3.5f);
    EXPECT_FLOAT_EQ(e.COM時間後, 4.5f);
}

TEST(手順保存, 五百手を超えても伸びて壊れない) {
    局面 p = test::初期局面();
    進行状態 s;
    手順リスト list;
    for (int i = 0; i < 1200; ++i) {
        s.数.手順番号 = i;
        p.盤[5][5] = static_cast<駒型>(i % 2 ? 歩 : -歩);
        手順保存(list, p, s.数, static_cast<float>(i), 0, 0, 0);
    }
    EXPECT_GE(list.容量(), 1200);
    EXPECT_EQ(s.数.手順最終, 1199);
    EXPECT_FLOAT_EQ(list.参照(1000).MAN時間前, 1000.0f);
    EXPECT_EQ(list.参照(501).盤[5][5], 歩);
    EXPECT_EQ(list.参照(5000).盤[5][5], 0);  // beyond the list: an empty entry
    EXPECT_EQ(list.参照(-1).盤[5][5], 0);
}

TEST(調査移動結果, 動いた先の桝を見つける) {
    局面 p = test::初期局面();
    進行状態 s;
    描画なし view;
    手順リスト list;
    手順保存(list, p, s.数, 0, 0, 0, 0);
    駒移動(p, s.番, view, 3, 7, 3, 6, -歩);
    s.数.手順番号 = 1;
    手順保存(list, p, s.数, 0, 0, 0, 0);
    const 移動結果 r = 調査_移動結果(list, 1);
    EXPECT_TRUE(r.見つかった);
    EXPECT_EQ(r.x, 3);
    EXPECT_EQ(r.y, 6);
    EXPECT_EQ(r.駒, -歩);
    EXPECT_FALSE(調査_移動結果(list, 2).見つかった);  // nothing changed after entry 1
}

TEST(調査持駒数, 手番の値で手を選び正の数だけ足す) {
    局面 p;
    進行状態 s;
    s.番.MAN番 = 1, s.番.COM番 = -1;
    p.MAN持駒 = {0, 3, 0, 1, 0, 0, 0, 2};
    p.COM持駒 = {0, -1, 4, 0, 0, 0, 0, 0};
    EXPECT_EQ(調査_持駒数(p, s.番, 1), 6);
    EXPECT_EQ(調査_持駒数(p, s.番, -1), 4);
    EXPECT_EQ(調査_持駒数(p, s.番, 0), 0);
}

TEST(初期設定, 状態を戻して初期配置にし再描画する) {
    局面 p = test::局面を作る({{5, 5, 飛}});
    p.MAN持駒[持駒_歩] = 3;
    p.MAN持駒数 = 3;
    p.MAN王X = 7;
    進行状態 s;
    s.番.勝者 = 1, s.番.手番 = -1, s.数.手数 = 12, s.数.手順番号 = 12, s.番.棋譜モード = 1,
    s.番.反転済 = 1;
    s.時間.MAN時間 = 40, s.選択.選択状態 = 1, s.強さ.ハンデレベル = 3, s.数.手順最終 = 12;
    test::記録するタイマー timer;
    test::記録する盤描画 view;
    初期設定(p, s, timer, view);
    EXPECT_EQ(p.盤, test::初期局面().盤);
    EXPECT_EQ(p.MAN持駒数, 0);
    EXPECT_EQ(p.MAN持駒[持駒_歩], 0);
    EXPECT_EQ(p.MAN王X, 7);  // king squares wait for the next survey
    EXPECT_EQ(s.番.勝者, 0);
    EXPECT_EQ(s.番.手番, 0);
    EXPECT_EQ(s.数.手数, 0);
    EXPECT_EQ(s.数.手順番号, 0);
    EXPECT_EQ(s.数.手順最終, 0);  // the moves of the game before lead to no position now
    EXPECT_EQ(s.番.棋譜モード, 0);
    EXPECT_EQ(s.番.反転済, 0);
    EXPECT_EQ(s.強さ.ハンデレベル, 0);
    EXPECT_EQ(s.時間.MAN時間, 0);
    EXPECT_FALSE(timer.on);
    EXPECT_EQ(view.呼出し.back(), "再描画");
}

}  // namespace
}  // namespace yukora
