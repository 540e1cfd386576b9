#include <gtest/gtest.h>

#include "usi/usi_position.h"
#include "usi_test_support.h"

namespace yukora {
namespace {

using test::SFENの局面;

TEST(SFEN読込, 平手のSFENは初期配置と同じ) {
    const USI局面 pos = SFENの局面(test::平手SFEN);
    const USI局面 start = 平手局面();
    EXPECT_EQ(pos.p.盤, start.p.盤);
    EXPECT_EQ(pos.手番, 先手);
    EXPECT_EQ(pos.p.MAN持駒数, 0);
    EXPECT_EQ(pos.p.COM持駒数, 0);
    // Sente is the bottom side: its rook on 2h stands at x = 8, y = 8, gote's on 8b at (2, 2).
    EXPECT_EQ(pos.p.盤[8][8], -飛);
    EXPECT_EQ(pos.p.盤[2][2], 飛);
    EXPECT_EQ(pos.p.盤[2][8], -角);
}

TEST(SFEN読込, 成駒と枚数付きの持駒と後手番を読む) {
    // Sente: king 5i, dragon 2b, tokin 7c. Gote: king 5a, horse 1i, promoted silver 9e.
    const USI局面 pos = SFENの局面("4k4/7+R1/2+P6/9/+s8/9/9/9/4K3+b w 2PS3pgr 57");
    EXPECT_EQ(pos.手番, 後手);
    EXPECT_EQ(pos.p.盤[8][2], -飛成);
    EXPECT_EQ(pos.p.盤[3][3], -と);
    EXPECT_EQ(pos.p.盤[1][5], 銀成);
    EXPECT_EQ(pos.p.盤[9][9], 角成);
    EXPECT_EQ(pos.p.盤[5][9], -王);
    EXPECT_EQ(pos.p.盤[5][1], 王);
    EXPECT_EQ(pos.p.MAN持駒[持駒_歩], 2);
    EXPECT_EQ(pos.p.MAN持駒[持駒_銀], 1);
    EXPECT_EQ(pos.p.COM持駒[持駒_歩], 3);
    EXPECT_EQ(pos.p.COM持駒[持駒_金], 1);
    EXPECT_EQ(pos.p.COM持駒[持駒_飛], 1);
    EXPECT_EQ(pos.p.MAN持駒数, 3);
    EXPECT_EQ(pos.p.COM持駒数, 5);
}

TEST(SFEN読込, 二桁の枚数の持駒を読む) {
    const std::string sfen = "4k4/9/9/9/9/9/9/9/4K4 w 3P10p 1";
    const USI局面 pos = SFENの局面(sfen);
    EXPECT_EQ(pos.p.COM持駒[持駒_歩], 10);
    EXPECT_EQ(pos.p.MAN持駒[持駒_歩], 3);
    EXPECT_EQ(pos.p.COM持駒数, 10);
    EXPECT_EQ(SFEN書込(pos), sfen);
}

TEST(SFEN書込, 読んだ局面を同じ文字列に書き戻す) {
    for (const std::string& sfen :
         {std::string(test::平手SFEN), std::string("4k4/7+R1/2+P6/9/+s8/9/9/9/4K3+b w R2GS2Pb3p 1"),
          std::string("8k/9/9/9/9/9/9/9/K8 b - 1")}) {
        EXPECT_EQ(SFEN書込(SFENの局面(sfen)), sfen);
    }
}

TEST(SFEN読込, 壊れたSFENは理由を返し結果に触れない) {
    const char* const bad[][3] = {
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1", "b", "-"},              // 8 ranks
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL", "b", "-"},  // 10 ranks
        {"lnsgkgsnl1/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL", "b", "-"},   // 10 files
        {"lnsgkgsn/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL", "b", "-"},     // 8 files
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL/", "b", "-"},   // trailing /
        {"lnsgkgsnl/1r5b1/ppppxpppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL", "b", "-"},    // bad letter
        {"lnsgkgsnl/1r5b1/pppp0pppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL", "b", "-"},    // digit 0
        {"4k4/9/9/9/9/9/9/9/3+GK4", "b", "-"},                                      // promoted gold
        {"4k4/9/9/9/9/9/9/9/4+K4", "b", "-"},                                       // promoted king
        {"4k4/9/9/9/9/9/9/9/4K3+", "b", "-"},                                       // dangling +
        {"9/9/9/9/9/9/9/9/4K4", "b", "-"},                                          // no gote king
        {"4k4/9/9/9/9/9/9/9/9", "b", "-"},                                          // no sente king
        {"4k4/9/9/9/9/9/9/9/3KK4", "b", "-"},                                       // two kings
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL", "b", "P"},    // 19 pawns
        {"4k4/9/9/9/9/9/9/9/4K4", "b", "3R"},                                       // 3 rooks
        {"4k4/9/9/9/9/9/9/9/4K4", "b", "BBb"},                                      // 3 bishops
        {"4k4/9/9/9/9/9/9/9/4K4", "x", "-"},                                        // side
        {"4k4/9/9/9/9/9/9/9/4K4", "B", "-"},                                        // side
        {"4k4/9/9/9/9/9/9/9/4K4", "b", ""},                                         // no hands
        {"4k4/9/9/9/9/9/9/9/4K4", "b", "0P"},                                       // count 0
        {"4k4/9/9/9/9/9/9/9/4K4", "b", "P2"},                                       // count last
        {"4k4/9/9/9/9/9/9/9/4K4", "b", "K"},                                        // king in hand
        {"4k4/9/9/9/9/9/9/9/4K4", "b", "99999999999P"},                             // huge count
        {"4k4/9/9/9/9/9/9/9/4K4", "b", "-P"},                                       // - and more
        {"P3k4/9/9/9/9/9/9/9/4K4", "b", "-"},                                       // dead pawn
        {"4k4/N8/9/9/9/9/9/9/4K4", "b", "-"},                                       // dead knight
        {"4k4/9/9/9/9/9/9/9/l3K4", "b", "-"},                                       // dead lance
        {"4k4/9/9/9/4P4/9/4P4/9/4K4", "b", "-"},                                    // two pawns
    };
    for (const auto& [board, side, hands] : bad) {
        USI局面 pos;
        pos.p.盤[1][1] = 123;
        EXPECT_NE(SFEN読込(board, side, hands, pos), "") << board << ' ' << side << ' ' << hands;
        EXPECT_EQ(pos.p.盤[1][1], 123) << board;
    }
}

TEST(SFEN読込, 最大枚数ちょうどと成り歩のある筋は受け付ける) {
    // All 18 pawns (one a tokin beside a pawn in its file), every other piece in hand.
    const USI局面 pos = SFENの局面("4k4/9/pppppppp1/9/9/9/PPPP+PPPPP/4P4/4K4 b 2R2B4G4S4N4L 1");
    EXPECT_EQ(pos.p.MAN持駒数, 20);
    EXPECT_EQ(pos.p.盤[5][7], -と);
    EXPECT_EQ(pos.p.盤[5][8], -歩);
}

}  // namespace
}  // namespace yukora
