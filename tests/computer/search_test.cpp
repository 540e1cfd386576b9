#include "computer/search.h"

#include <gtest/gtest.h>

#include "computer/evaluation.h"
#include "computer/fixtures.h"
#include "rules/initial_setup.h"
#include "rules/move_legality.h"

namespace yukora {
namespace {

using test::候補の点;
using test::探索する;
using test::新しい探索;

bool 合法か(const 局面& p, const COM指し手& mv) {
    if (mv.元X < 0) return 移動チェック(p, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒後) == 1;
    return p.盤[mv.元X][mv.元Y] == mv.駒前 &&
           移動チェック(p, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒前) == 1;
}

TEST(COM探索, 新しい状態から初期局面で合法手を返し盤を元に戻す) {
    局面 p;
    初期配置(p);
    test::探索一式 t = 新しい探索(p, 3);
    const COM指し手 mv = COM探索(t.p, t.m, t.c, t.s);
    ASSERT_TRUE(mv.有り);
    EXPECT_TRUE(合法か(p, mv));
    EXPECT_EQ(t.p.盤, p.盤);
    EXPECT_EQ(t.c.評価回数, 30);  // the top side's 30 opening moves, none of which may promote
}

TEST(COM探索, 終わった対局では何も選ばない) {
    局面 p;
    初期配置(p);
    test::探索一式 t = 新しい探索(p, 3);
    t.s.番.勝者 = 1;
    EXPECT_FALSE(COM探索(t.p, t.m, t.c, t.s).有り);
    EXPECT_EQ(t.c.評価回数, 0);
}

TEST(COM探索, 王を取る最初の手で探索を終える) {
    // takes the king on its fourth destination
    // could take it too, later in the scan
    局面 p = test::盤面(R"(
        k . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . g . . . .
        . . . . K . . . r
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
    )",
                        "g");
    test::探索一式 t = 新しい探索(p, 3);
    const COM指し手 mv = COM探索(t.p, t.m, t.c, t.s);
    EXPECT_EQ(mv.元X, 5);
    EXPECT_EQ(mv.元Y, 4);
    EXPECT_EQ(mv.先X, 5);
    EXPECT_EQ(mv.先Y, 5);
    EXPECT_EQ(mv.点十倍, 王取り点);
    EXPECT_EQ(t.c.評価回数, 3 + 4);  // three king moves, then the gold's first four
}

TEST(COM探索, 詰める打ちで探索を終える) {
    // The human king on (5,9) between its own lances; the pawn on (5,7) guards (5,8).
    const char* 盤 = R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . p . . . .
        . . . . . . . . .
        . . . L K L . . .
    )";
    局面 p = test::盤面(盤, "g");
    const COM指し手 mv = 探索する(p, 3);
    EXPECT_EQ(mv.元X, -1);
    EXPECT_EQ(mv.元Y, 持駒_金);
    EXPECT_EQ(mv.先X, 5);
    EXPECT_EQ(mv.先Y, 8);
    EXPECT_EQ(mv.駒後, 金);
    EXPECT_EQ(mv.点十倍, 詰め点);

    // A rook in hand would mate on the same square, but its drops are never tried.
    test::探索一式 gold = 新しい探索(p, 3);
    COM探索(gold.p, gold.m, gold.c, gold.s);
    test::探索一式 both = 新しい探索(test::盤面(盤, "rg"), 3);
    EXPECT_EQ(COM探索(both.p, both.m, both.c, both.s).元Y, 持駒_金);
    EXPECT_EQ(both.c.評価回数, gold.c.評価回数);
}

TEST(COM探索, 歩と角と飛は点が低くても成る) {
    // The pawn reaching (5,7) leaves the human gold in front without a safe square: the plain
    // pawn earns the gold's value, the promoted one does not, yet the pawn is played promoted.
    // The computer's king on (9,1) is walled in by its own pawns.
    局面 p = test::盤面(R"(
        . . . . . . . p k
        . . . . . . . p p
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . s p s . . .
        . . . . . . . . .
        . . . P G P . . .
        . . . . K . . . .
    )");
    const 点数 成らず = 候補の点(p, 5, 6, 5, 7, 歩, 3);
    const 点数 成り = 候補の点(p, 5, 6, 5, 7, と, 3);
    ASSERT_GT(成らず, 成り);
    const COM指し手 mv = 探索する(p, 3);
    ASSERT_EQ(mv.元X, 5);
    ASSERT_EQ(mv.元Y, 6);
    EXPECT_EQ(mv.駒後, と);
    EXPECT_EQ(mv.点十倍, 成らず);
}

TEST(COM探索, 銀は成る方が高いときだけ成る) {
    // The silver takes a gold on (5,7), guarded by the lance. Recaptured by a promoted silver,
    // only the plain silver counts as the cheaper piece; recaptured by a gold, both do and
    // the promotion bonus decides.
    const struct {
        const char* 盤;
        int 取り返す駒;
    } 表[] = {
        {R"(
         . . . . . . . p k
         . . . . l . . p p
         . . . . . . . . .
         . . . . . . . . .
         . . . . . . . . .
         . . . . s . . . .
         . . . . G . . . .
         . . . .+S . . . .
         K . . . . . . . .
     )",
         -銀成},
        {R"(
         . . . . . . . p k
         . . . . l . . p p
         . . . . . . . . .
         . . . . . . . . .
         . . . . . . . . .
         . . . . s . . . .
         . . . . G . . . .
         . . . . G . . . .
         K . . . . . . . .
     )",
         -金},
    };
    for (const auto& [盤, 取り返す駒] : 表) {
        SCOPED_TRACE(取り返す駒);
        const 局面 p = test::盤面(盤);
        const 点数 成らず = 候補の点(p, 5, 6, 5, 7, 銀, 3);
        const 点数 成り = 候補の点(p, 5, 6, 5, 7, 銀成, 3);
        const bool 成らずが高い = 取り返す駒 == -銀成;
        ASSERT_EQ(成らず > 成り, 成らずが高い);
        const COM指し手 mv = 探索する(p, 3);
        ASSERT_EQ(mv.元X, 5);
        ASSERT_EQ(mv.先Y, 7);
        EXPECT_EQ(mv.駒後, 成らずが高い ? 銀 : 銀成);
        EXPECT_EQ(mv.点十倍, std::max(成らず, 成り));
    }
}

TEST(COM探索, 動けなくなる駒は成りだけを試す) {
    // worth taking: the pawn can only take it promoted
    局面 p = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . p . . . .
        K . . . G . . . .
    )");
    const COM指し手 mv = 探索する(p, 3);
    EXPECT_EQ(mv.元X, 5);
    EXPECT_EQ(mv.先Y, 9);
    EXPECT_EQ(mv.駒後, と);
    test::探索一式 t = 新しい探索(p, 3);
    COM探索(t.p, t.m, t.c, t.s);
    // Three king moves and one pawn move, scored once: no unpromoted trial on the last row.
    EXPECT_EQ(t.c.評価回数, 4);
}

TEST(COM探索, 打ちは最後に調べた盤上の手の元の距離で王への接近を数える) {
    // A gold dropped on (5,4), held by the pawn on (5,3), checks the king on (5,5) that alone
    // could take it. The pawn is the last board piece scanned, two squares from the king, so
    // the drop counts as coming from two away: +0.1 for the one row between.
    局面 p = test::盤面(R"(
        k . . . . . . . .
        . . . . . . . . .
        . . . . p . . . .
        . . . . . . . . .
        . . . . K . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
    )",
                        "g");
    const auto 打ちの点 = [&](int 元距離) {
        test::探索一式 t = test::候補の局面(p, 敵持駒列, 持駒_金, 5, 4, 金, 3);
        t.c.移動元王距離 = 元距離;
        return 盤評価(t.p, t.m, t.c, 3, 0, 金, 敵持駒列, 持駒_金, 5, 4);
    };
    ASSERT_EQ(打ちの点(2) - 打ちの点(0), 1);
    const COM指し手 mv = 探索する(p, 3);
    ASSERT_EQ(mv.元X, -1);
    ASSERT_EQ(mv.先X, 5);
    ASSERT_EQ(mv.先Y, 4);
    EXPECT_EQ(mv.点十倍, 打ちの点(2));
}

// Mirror image (x → 10 − x) of a position.
局面 鏡像(const 局面& p) {
    局面 q = p;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) q.盤[x][y] = p.盤[10 - x][y];
    q.MAN王X = 10 - p.MAN王X;
    q.COM王X = 10 - p.COM王X;
    return q;
}

TEST(COM探索, 同点なら先に調べた手を選ぶ) {
    // The lone kings are symmetric: the two sideways steps score alike, and in the position
    // and in its mirror image the step towards column 1 is found first and kept.
    局面 p = test::盤面(R"(
        . . . . k . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . K . . . .
    )");
    const COM指し手 a = 探索する(p, 3);
    const COM指し手 b = 探索する(鏡像(p), 3);
    EXPECT_EQ(候補の点(p, 5, 1, 4, 1, 王, 3), 候補の点(p, 5, 1, 6, 1, 王, 3));
    ASSERT_EQ(a.点十倍, b.点十倍);
    EXPECT_EQ(a.先X, 4);
    EXPECT_EQ(b.先X, 4);
    EXPECT_EQ(a.先Y, b.先Y);
}

TEST(COM探索, 同じ局面と状態からは同じ手) {
    局面 p = test::棋譜の局面(GAMES_DIR "/real-game-1.csa", 57);
    for (int level = 1; level <= 3; ++level) {
        test::探索一式 a = 新しい探索(p, level);
        test::探索一式 b = a;
        const COM指し手 x = COM探索(a.p, a.m, a.c, a.s);
        const COM指し手 y = COM探索(b.p, b.m, b.c, b.s);
        EXPECT_EQ(x.元X, y.元X);
        EXPECT_EQ(x.元Y, y.元Y);
        EXPECT_EQ(x.先X, y.先X);
        EXPECT_EQ(x.先Y, y.先Y);
        EXPECT_EQ(x.駒後, y.駒後);
        EXPECT_EQ(x.点十倍, y.点十倍);
    }
}

TEST(COM探索, 動ける手がなければ何も選ばない) {
    // The king on (1,9) is walled in by its own pawns, which cannot move either.
    局面 p = test::盤面(R"(
        . . . . . . . . K
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        p p . . . . . . .
        k p . . . . . . .
    )");
    test::探索一式 t = 新しい探索(p, 3);
    EXPECT_FALSE(COM探索(t.p, t.m, t.c, t.s).有り);
    EXPECT_EQ(t.p.盤, p.盤);
}

}  // namespace
}  // namespace yukora
