#include "usi/usi_move.h"

#include <gtest/gtest.h>

#include "usi_test_support.h"

namespace yukora {
namespace {

using test::SFENの局面;

USI指し手 読む(std::string_view text) {
    USI指し手 m;
    EXPECT_TRUE(USI指し手読込(text, m)) << text;
    return m;
}

// Makes the move and returns the reason it was refused ("" when made).
std::string 指す(USI局面& pos, std::string_view text) { return USI指し手を指す(pos, 読む(text)); }

TEST(USI指し手読込, 盤上の手と成りと打ちを座標に直す) {
    const USI指し手 a = 読む("7g7f");
    EXPECT_EQ(a.元X, 3);
    EXPECT_EQ(a.元Y, 7);
    EXPECT_EQ(a.先X, 3);
    EXPECT_EQ(a.先Y, 6);
    EXPECT_EQ(a.打駒種類, 0);
    EXPECT_FALSE(a.成り);
    const USI指し手 b = 読む("8h2b+");
    EXPECT_EQ(b.元X, 2);
    EXPECT_EQ(b.元Y, 8);
    EXPECT_EQ(b.先X, 8);
    EXPECT_EQ(b.先Y, 2);
    EXPECT_TRUE(b.成り);
    const USI指し手 c = 読む("P*5e");
    EXPECT_EQ(c.打駒種類, 持駒_歩);
    EXPECT_EQ(c.先X, 5);
    EXPECT_EQ(c.先Y, 5);
    EXPECT_EQ(読む("R*1a").打駒種類, 持駒_飛);
    EXPECT_EQ(読む("R*1a").先X, 9);
}

TEST(USI指し手読込, 書き戻すと同じ文字列になる) {
    for (const char* text :
         {"7g7f", "8h2b+", "P*5e", "L*1i", "N*9a", "S*5e", "G*5e", "B*5e", "R*5e", "1a9i", "9i1a+"})
        EXPECT_EQ(USI指し手書込(読む(text)), text);
}

TEST(USI指し手読込, 指し手でない文字列は読まない) {
    for (const char* text : {"", "7g", "7g7", "7g7f7", "7g7f=", "0g7f", "7j7f", "7g7F", "p*5e",
                             "K*5e", "X*5e", "P*5e+", "P-5e", "7g7f++", "resign", "7G7F", "P*0a"}) {
        USI指し手 m;
        m.先X = 42;
        EXPECT_FALSE(USI指し手読込(text, m)) << text;
        EXPECT_EQ(m.先X, 42) << text;
    }
}

TEST(USI指し手を指す, 初手と角交換を盤と持駒に反映し手番を渡す) {
    USI局面 pos = 平手局面();
    ASSERT_EQ(指す(pos, "7g7f"), "");
    EXPECT_EQ(pos.p.盤[3][7], 0);
    EXPECT_EQ(pos.p.盤[3][6], -歩);
    EXPECT_EQ(pos.手番, 後手);
    ASSERT_EQ(指す(pos, "3c3d"), "");
    EXPECT_EQ(pos.p.盤[7][4], 歩);
    ASSERT_EQ(指す(pos, "8h2b+"), "");
    EXPECT_EQ(pos.p.盤[8][2], -角成);
    EXPECT_EQ(pos.p.MAN持駒[持駒_角], 1);
    EXPECT_EQ(pos.p.MAN持駒数, 1);
    ASSERT_EQ(指す(pos, "3a2b"), "");
    EXPECT_EQ(pos.p.盤[8][2], 銀);
    EXPECT_EQ(pos.p.COM持駒[持駒_角], 1);
    ASSERT_EQ(指す(pos, "B*4e"), "");
    EXPECT_EQ(pos.p.盤[6][5], -角);
    EXPECT_EQ(pos.p.MAN持駒[持駒_角], 0);
    EXPECT_EQ(pos.p.MAN持駒数, 0);
    ASSERT_EQ(指す(pos, "B*6e"), "");
    EXPECT_EQ(pos.p.盤[4][5], 角);
    EXPECT_EQ(pos.p.COM持駒数, 0);
    EXPECT_EQ(pos.手番, 先手);
}

TEST(USI指し手を指す, 反則の手は理由を返し局面を変えない) {
    struct 例 {
        const char* sfen;
        const char* move;
    };
    const 例 cases[] = {
        {test::平手SFEN, "3c3d"},                   // the opponent's piece
        {test::平手SFEN, "5e5d"},                   // an empty origin
        {test::平手SFEN, "7g7e"},                   // a pawn moving two squares
        {test::平手SFEN, "8h2b+"},                  // the bishop's path is blocked
        {test::平手SFEN, "7g7f+"},                  // promotion outside the zone
        {test::平手SFEN, "6i7h+"},                  // a gold never promotes
        {test::平手SFEN, "P*5e"},                   // nothing in hand
        {"4k4/2P6/9/9/9/9/9/9/4K4 b - 1", "7b7a"},  // a pawn that must promote
        {"4k4/9/9/2N6/9/9/9/9/4K4 b - 1", "7d8b"},  // a knight that must promote
        {"4k4/9/9/9/9/9/9/2p6/4K4 w - 1", "7h7i"},  // gote's pawn that must promote
        {"4k4/9/9/9/9/9/9/9/4K4 b P 1", "P*1a"},    // a pawn dropped where it cannot move
        {"4k4/9/9/9/9/9/9/9/4K4 b N 1", "N*5b"},    // a knight likewise
        {"4k4/9/9/9/9/9/9/9/4K4 w l 1", "L*1i"},    // gote's lance likewise
        {"4k4/9/9/9/9/9/4P4/9/4K4 b P 1", "P*5e"},  // two pawns in a file
        {"4k4/9/9/9/9/9/9/9/4K4 b P 1", "P*5i"},    // onto an occupied square
        {"4k4/4R4/9/9/9/9/9/9/4K4 b - 1", "5b5a"},  // taking the king
    };
    for (const auto& [sfen, move] : cases) {
        USI局面 pos = SFENの局面(sfen);
        const USI局面 before = pos;
        USI指し手 m;
        ASSERT_TRUE(USI指し手読込(move, m)) << move;
        EXPECT_NE(USI指し手を指す(pos, m), "") << sfen << " " << move;
        EXPECT_EQ(pos.p.盤, before.p.盤) << move;
        EXPECT_EQ(pos.p.MAN持駒, before.p.MAN持駒) << move;
        EXPECT_EQ(pos.手番, before.手番) << move;
    }
}

TEST(USI指し手を指す, 成れる手は成りも不成も指せて成らねばならぬ手は成りだけ) {
    USI局面 a = SFENの局面("4k4/9/9/2P6/9/9/9/9/4K4 b - 1");
    USI局面 b = a;
    ASSERT_EQ(指す(a, "7d7c+"), "");
    EXPECT_EQ(a.p.盤[3][3], -と);
    ASSERT_EQ(指す(b, "7d7c"), "");
    EXPECT_EQ(b.p.盤[3][3], -歩);

    USI局面 c = SFENの局面("4k4/2P6/9/9/9/9/9/9/4K4 b - 1");
    ASSERT_EQ(指す(c, "7b7a+"), "");
    EXPECT_EQ(c.p.盤[3][1], -と);

    // Gote's silver leaving the zone may promote; its pawn entering it too.
    USI局面 d = SFENの局面("4k4/9/9/9/9/9/2s6/9/4K4 w - 1");
    ASSERT_EQ(指す(d, "7g6f+"), "");
    EXPECT_EQ(d.p.盤[4][6], 銀成);
    USI局面 e = SFENの局面("4k4/9/9/9/9/2p6/9/9/4K4 w - 1");
    ASSERT_EQ(指す(e, "7f7g+"), "");
    EXPECT_EQ(e.p.盤[3][7], と);
}

TEST(USI指し手を指す, 後手の打ちは後手の持駒から) {
    USI局面 pos = SFENの局面("4k4/9/9/9/9/9/9/9/4K4 w Pg 1");
    ASSERT_NE(指す(pos, "P*5e"), "");  // the pawn in hand is sente's
    ASSERT_EQ(指す(pos, "G*5e"), "");
    EXPECT_EQ(pos.p.盤[5][5], 金);
    EXPECT_EQ(pos.p.COM持駒[持駒_金], 0);
    EXPECT_EQ(pos.p.COM持駒数, 0);
    EXPECT_EQ(pos.p.MAN持駒数, 1);
}

}  // namespace
}  // namespace yukora
