#include "game/move_text.h"

#include <gtest/gtest.h>

namespace yukora {
namespace {

TEST(文字列変換, 筋段駒の断片) {
    EXPECT_EQ(文字列変換(1), "１");
    EXPECT_EQ(文字列変換(9), "９");
    EXPECT_EQ(文字列変換(1001), "一");
    EXPECT_EQ(文字列変換(1009), "九");
    EXPECT_EQ(文字列変換(10), "歩");
    EXPECT_EQ(文字列変換(-11), "と");
    EXPECT_EQ(文字列変換(21), "香成");
    EXPECT_EQ(文字列変換(-31), "桂成");
    EXPECT_EQ(文字列変換(-101), "銀成");
    EXPECT_EQ(文字列変換(110), "金");
    EXPECT_EQ(文字列変換(-801), "角成");
    EXPECT_EQ(文字列変換(901), "飛成");
    EXPECT_EQ(文字列変換(950), "王");
    EXPECT_EQ(文字列変換(-950), "王");
}

TEST(文字列変換, 表にない値は空) {
    for (int v : {0, 1000, 1010, 111, -111, 12, -1, 999, 951}) EXPECT_EQ(文字列変換(v), "") << v;
}

}  // namespace
}  // namespace yukora
