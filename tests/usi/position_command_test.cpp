#include "usi/position_command.h"

#include <gtest/gtest.h>

#include "game/position.h"
#include "usi_test_support.h"

namespace yukora {
namespace {

std::string 読む(const std::string& text, USI局面& pos) { return position命令を読む(text, pos); }

TEST(position命令, startposに指し手を並べる) {
    USI局面 pos;
    ASSERT_EQ(読む("startpos moves 7g7f 3c3d 8h2b+ 3a2b", pos), "");
    EXPECT_EQ(pos.手番, 先手);
    EXPECT_EQ(pos.p.MAN持駒[持駒_角], 1);
    EXPECT_EQ(pos.p.COM持駒[持駒_角], 1);
    EXPECT_EQ(pos.p.盤[8][2], 銀);
}

TEST(position命令, 手数は省いてもよく指し手が無くてもよい) {
    const std::string board = "4k4/9/9/9/9/9/9/9/4K4 b P";
    for (const char* tail : {"", " 1", " 120", " moves", " 1 moves", " moves P*5e"}) {
        USI局面 pos;
        EXPECT_EQ(読む("sfen " + board + tail, pos), "") << tail;
        EXPECT_EQ(pos.p.盤[5][9], -王) << tail;
    }
    USI局面 pos;
    ASSERT_EQ(読む("sfen " + board + " moves P*5e", pos), "");
    EXPECT_EQ(pos.p.盤[5][5], -歩);
    EXPECT_EQ(pos.手番, 後手);
}

TEST(position命令, 誤りは理由を返し前の局面を残す) {
    for (const char* text :
         {"", "start", "startpos 7g7f", "startpos moves 7g7f 7g7f", "startpos moves 7g7f foo",
          "startpos moves 7g7f 3c3d 8h1a", "sfen", "sfen 4k4/9/9/9/9/9/9/9/4K4 b",
          "sfen 4k4/9/9/9/9/9/9/9/4K4 b - x", "sfen 4k4/9/9/9/9/9/9/9/4K4 b - 1 2",
          "sfen 4k4/9/9/9/9/9/9/9/4K4 b - -1", "sfen 4k4/9/9/9/9/9/9/9/9K b - 1",
          "sfen 4k4/4R4/9/9/9/9/9/9/4K4 b - 1 moves 5b5a"}) {
        USI局面 pos = 平手局面();
        pos.p.盤[5][5] = -金;
        const USI局面 before = pos;
        EXPECT_NE(読む(text, pos), "") << text;
        EXPECT_EQ(pos.p.盤, before.p.盤) << text;
        EXPECT_EQ(pos.手番, before.手番) << text;
    }
}

TEST(position命令, 誤りの理由は何手目の何がいけないかを言う) {
    USI局面 pos;
    EXPECT_EQ(読む("startpos moves 7g7f 3c3d 8h1a", pos),
              "illegal move 8h1a (move 3): the piece cannot go there");
    EXPECT_EQ(読む("startpos moves 7g7f 3c3d 2h2g+", pos),
              "illegal move 2h2g+ (move 3): the piece cannot go there");
    EXPECT_EQ(読む("startpos moves 7g7f 7c7d\x01", pos), "unparsable move 7c7d? (move 2)");
}

TEST(局面反転, 盤を半回転し駒の側と持駒を入れ替える) {
    const USI局面 pos = test::SFENの局面("4k4/7+R1/2+P6/9/+s8/9/9/9/4K3+b w R2GS2Pb3p 1");
    局面 q = pos.p;
    局面反転(q);
    EXPECT_EQ(q.盤[2][8], 飛成);  // sente's dragon on 2b (8, 2) is now a top piece on (2, 8)
    EXPECT_EQ(q.盤[5][1], 王);    // sente's king from 5i
    EXPECT_EQ(q.盤[5][9], -王);
    EXPECT_EQ(q.盤[1][1], -角成);  // gote's horse from 1i (9, 9)
    EXPECT_EQ(q.COM持駒, pos.p.MAN持駒);
    EXPECT_EQ(q.MAN持駒, pos.p.COM持駒);
    EXPECT_EQ(q.COM持駒数, pos.p.MAN持駒数);
    EXPECT_EQ(q.MAN持駒数, pos.p.COM持駒数);
    局面 back = q;
    局面反転(back);
    EXPECT_EQ(back.盤, pos.p.盤);
    EXPECT_EQ(back.MAN持駒, pos.p.MAN持駒);
}

}  // namespace
}  // namespace yukora
