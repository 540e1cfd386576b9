#include "computer/danger_squares.h"

#include <gtest/gtest.h>

#include "computer/fixtures.h"
#include "computer/surveys.h"

namespace yukora {
namespace {

using test::候補の局面;

点数 危険座標(const 局面& before, int 元X, int 元Y, int 先X, int 先Y, int 置駒) {
    test::探索一式 t = 候補の局面(before, 元X, 元Y, 先X, 先Y, 置駒, 3);
    return 盤評価_COM危険座標(t.p, t.m, t.c, 置駒, 先X, 先Y);
}

TEST(盤評価COM危険座標, 安全な桝からの両取りは安い方の駒と0点2) {
    // A knight dropped on (5,5) hits the undefended silvers on (4,7) and (6,7).
    const 局面 空 = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . K
    )");
    const 局面 一枚 = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . S . . . . .
        . . . . . . . . .
        . . . . . . . . K
    )");
    const 局面 二枚 = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . S . G . . .
        . . . . . . . . .
        . . . . . . . . K
    )");
    const 点数 base = 危険座標(空, 敵持駒列, 持駒_桂, 5, 5, 桂);
    EXPECT_EQ(危険座標(一枚, 敵持駒列, 持駒_桂, 5, 5, 桂) - base, 1);
    EXPECT_EQ(危険座標(二枚, 敵持駒列, 持駒_桂, 5, 5, 桂) - base, 点(100) + 2);
    // From a square the human reaches nothing is counted.
    const 局面 見られる = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . P . . . .
        . . . S . G . . .
        . . . . . . . . .
        . . . . . . . . K
    )");
    const 局面 見られる空 = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . P . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . K
    )");
    EXPECT_EQ(危険座標(見られる, 敵持駒列, 持駒_桂, 5, 5, 桂),
              危険座標(見られる空, 敵持駒列, 持駒_桂, 5, 5, 桂));
}

TEST(盤評価COM危険座標, 一段目の王の前が攻められ銀を持たれると1000) {
    // A human knight on (4,4) reaches (5,2), the square in front of the king on (5,1), which
    // only the king defends; the human holds a silver.
    const 局面 p = test::盤面(R"(
        . . . . k . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . K
    )",
                              "S");
    const 局面 攻め = test::盤面(R"(
        . . . . k . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . N . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . K
    )",
                                 "S");
    // Besides the 1000: (5,2) next to the king, reached once with a silver in hand (-0.5 - 10),
    // and (3,2) in the camp, reached by the human only (-0.1).
    EXPECT_EQ(危険座標(攻め, 5, 1, 5, 1, 王) - 危険座標(p, 5, 1, 5, 1, 王), -(点(1000) + 105 + 1));
}

TEST(盤評価COM危険座標, 持ち香で串刺しにされる二枚は百と奥の駒の半分) {
    // Bishop on (1,4) over the empty (1,5), horse further up on (1,2): a lance dropped on
    // (1,5) would skewer both. The pawn in hand keeps the human's hand non-empty in both cases.
    const char* 盤 = R"(
        . . . . . . . . k
       +b . . . . . . . .
        . . . . . . . . .
        b . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . K
    )";
    const 局面 p = test::盤面(盤, "P");
    const 局面 香あり = test::盤面(盤, "LP");
    EXPECT_EQ(危険座標(香あり, 9, 1, 8, 1, 王) - 危険座標(p, 9, 1, 8, 1, 王), -(点(100) + 4005));
}

TEST(盤評価COM危険座標, 陣内の空き桝の前の歩は守っていても30) {
    // A human pawn on (5,3) reaches the empty (5,2). Held once by a gold on (5,1) the square
    // costs 30; left to the human it costs 30 and 0.1.
    const 局面 守り = test::盤面(R"(
        . . . . g . . . k
        . . . . . . . . .
        . . . . P . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        K . . . . . . . .
    )");
    const 局面 守りなし = test::盤面(R"(
        g . . . . . . . k
        . . . . . . . . .
        . . . . P . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        K . . . . . . . .
    )");
    EXPECT_EQ(危険座標(守り, 9, 1, 9, 1, 王), -点(30));
    EXPECT_EQ(危険座標(守りなし, 9, 1, 9, 1, 王), -点(30) - 1);
}

TEST(調査周辺状況, 自王と飛の隣はマイナス2) {
    局面 p = test::盤面(R"(
        . . . . k . . . .
        . . . g . r . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . K
    )");
    EXPECT_EQ(調査_周辺状況(p, 5, 2), -2);
    EXPECT_EQ(調査_周辺状況(p, 5, 1), -1);  // the square itself is not counted
    EXPECT_EQ(調査_周辺状況(p, 1, 9), 0);
}

}  // namespace
}  // namespace yukora
