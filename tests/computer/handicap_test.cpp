#include "computer/handicap.h"

#include <gtest/gtest.h>

#include "rules/initial_setup.h"

namespace yukora {
namespace {

struct ハンデ盤 : ::testing::Test {
    局面 p;
    進行状態 s;
    void SetUp() override { 初期配置(p); }
};

TEST_F(ハンデ盤, 下げ十回で人の側は王と歩だけ十一回目は何も変えない) {
    for (int i = 1; i <= 10; ++i) {
        const ハンデ結果 r = ハンデ下げ(p, s);
        EXPECT_EQ(r.拒否, 0);
        EXPECT_TRUE(r.盤変更);
        EXPECT_EQ(p.盤[r.x][r.y], 0);
        EXPECT_EQ(s.強さ.ハンデレベル, -i);
    }
    int 歩数 = 0, 王数 = 0, ほか = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (p.盤[x][y] == -歩) ++歩数;
            else if (p.盤[x][y] == -王) ++王数;
            else if (p.盤[x][y] < 0) ++ほか;
        }
    EXPECT_EQ(歩数, 9);
    EXPECT_EQ(王数, 1);
    EXPECT_EQ(ほか, 0);
    const 盤型 before = p.盤;
    const ハンデ結果 r = ハンデ下げ(p, s);
    EXPECT_FALSE(r.盤変更);
    EXPECT_EQ(s.強さ.ハンデレベル, ハンデ最小);
    EXPECT_EQ(p.盤, before);
    EXPECT_EQ(s.強さ.ハンデ設定済, 1);
}

TEST_F(ハンデ盤, 上げ十回でCOMの側は王と歩だけになる) {
    for (int i = 1; i <= 10; ++i) ハンデ上げ(p, s);
    EXPECT_EQ(s.強さ.ハンデレベル, ハンデ最大);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (p.盤[x][y] > 0) {
                EXPECT_TRUE(p.盤[x][y] == 歩 || p.盤[x][y] == 王) << x << y;
            }
    EXPECT_FALSE(ハンデ上げ(p, s).盤変更);
}

TEST_F(ハンデ盤, 下げの後の上げはその駒をその桝に戻す) {
    局面 start = p;
    for (int level = 0; level > ハンデ最小; --level) {
        const ハンデ桝 t = ハンデ表(level);
        ハンデ下げ(p, s);
        EXPECT_EQ(p.盤[t.x][t.y], 0);
        const ハンデ結果 r = ハンデ上げ(p, s);
        EXPECT_EQ(r.x, t.x);
        EXPECT_EQ(r.y, t.y);
        EXPECT_EQ(p.盤, start.盤) << level;
        ハンデ下げ(p, s);
        start = p;
    }
    // And on the computer's side: up removes, down puts back.
    局面 q;
    初期配置(q);
    進行状態 t;
    ハンデ上げ(q, t);
    EXPECT_EQ(q.盤[8][2], 0);
    ハンデ上げ(q, t);
    EXPECT_EQ(q.盤[2][2], 0);
    ハンデ下げ(q, t);
    EXPECT_EQ(q.盤[2][2], 飛);
    EXPECT_EQ(t.強さ.ハンデレベル, 1);
}

TEST_F(ハンデ盤, 棋譜モードと対局途中と反転後は断り盤を変えない) {
    const 盤型 start = p.盤;
    s.数.手順最終 = 7;
    s.番.棋譜モード = 1;
    s.数.手順番号 = 3;
    s.番.反転済 = 1;
    EXPECT_EQ(ハンデ下げ(p, s).拒否, 1);
    s.番.棋譜モード = 0;
    EXPECT_EQ(ハンデ上げ(p, s).拒否, 2);
    s.数.手順番号 = 0;
    EXPECT_EQ(ハンデ下げ(p, s).拒否, 3);
    EXPECT_EQ(p.盤, start);
    EXPECT_EQ(s.強さ.ハンデレベル, 0);
    EXPECT_EQ(s.強さ.ハンデ設定済, 0);
    EXPECT_EQ(s.数.手順最終, 7);
    s.番.反転済 = 0;
    EXPECT_EQ(ハンデ下げ(p, s).拒否, 0);
    EXPECT_EQ(s.数.手順最終, 0);
}

TEST(ハンデ表, 表の順に角飛香桂銀金) {
    EXPECT_EQ(ハンデ表(0).駒, -角);
    EXPECT_EQ(ハンデ表(-1).駒, -飛);
    EXPECT_EQ(ハンデ表(-9).x, 6);
    EXPECT_EQ(ハンデ表(-9).駒, -金);
    EXPECT_EQ(ハンデ表(1).x, 8);
    EXPECT_EQ(ハンデ表(1).y, 2);
    EXPECT_EQ(ハンデ表(10).駒, 金);
    EXPECT_EQ(ハンデ表(10).x, 4);
}

}  // namespace
}  // namespace yukora
