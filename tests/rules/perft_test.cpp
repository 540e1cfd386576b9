#include "rules/perft.h"

#include <gtest/gtest.h>

namespace yukora {
namespace {

TEST(perft, 初期局面から三手まで公表値と一致する) {
    局面 p;
    初期配置(p);
    EXPECT_EQ(perft(p, 1, 1), 30u);
    EXPECT_EQ(perft(p, 1, 2), 900u);
    EXPECT_EQ(perft(p, 1, 3), 25470u);
}

}  // namespace
}  // namespace yukora
