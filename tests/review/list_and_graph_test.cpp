// The move list's rows and the graph's points: what each position of a game shows.
#include <gtest/gtest.h>

#include "computer/material_estimate.h"
#include "game/board_view.h"
#include "review/move_rows.h"
#include "review/score_graph.h"
#include "rules/making_move.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

struct 試験対局 {
    局面 p = test::初期局面();
    進行状態 s;
    手順リスト list;
    std::vector<局面> 局面列{p};  // each position as it stood on the board
};

// Plays CSA moves as the board input does, each taking `秒` seconds of the mover's clock.
試験対局 並べる(const std::vector<std::string>& moves, int MAN番, float 秒) {
    試験対局 g;
    g.s.番.MAN番 = MAN番;
    g.s.番.COM番 = -MAN番;
    g.s.番.手番 = 先手;
    描画なし view;
    for (const std::string& line : moves) {
        const test::CSA指し手 m = test::CSAを読む(line);
        const bool 下 = line[0] == '+';
        float& clock = 下 ? g.s.時間.MAN時間 : g.s.時間.COM時間;
        const float man = g.s.時間.MAN時間, com = g.s.時間.COM時間;
        手順保存(g.list, g.p, g.s.数, man, 下 ? man + 秒 : man, com, 下 ? com : com + 秒);
        clock += 秒;
        駒移動(g.p, g.s.番, view, m.元X, m.元Y, m.先X, m.先Y, m.駒);
        ++g.s.数.手順番号;
        ++g.s.数.手数;
        g.s.番.手番 = -g.s.番.手番;
        g.局面列.push_back(g.p);
    }
    return g;
}

// Each row as "number move time".
std::vector<std::string> 行の文字(const 試験対局& g) {
    std::vector<std::string> out;
    for (const 棋譜行& row : 棋譜行を作る(g.list, g.p, g.s).行)
        out.push_back(std::to_string(row.手数) + " " + row.指し手 + " " + row.時間);
    return out;
}

TEST(棋譜行, 記号と同と打と成と消費時間) {
    const std::vector<std::string> moves{"+7776FU", "-3334FU", "+8822UM", "-3122GI", "+0045KA"};
    試験対局 g = 並べる(moves, 1, 65.25f);
    EXPECT_EQ(行の文字(g), (std::vector<std::string>{"0 開始局面 ", "1 ▲７六歩(77) 1:05",
                                                     "2 △３四歩(33) 1:05", "3 ▲２二角成(88) 1:05",
                                                     "4 △同　銀(31) 1:05", "5 ▲４五角打 1:05"}));
    g.s.番.手番 = 先手;  // 後手 moved first, as 上手 does in a handicap game
    g.s.数.手数 += 10;   // and the count ran on after 反転
    EXPECT_EQ(行の文字(g)[1], "11 △７六歩(77) 1:05");
}

TEST(形勢グラフ, 内蔵の点は各局面の駒割り) {
    const 試験対局 g = 並べる(test::CSA棋譜(std::string(GAMES_DIR) + "/real-game-1.csa"), 1, 3);
    const std::vector<形勢点> points = 駒割りの形勢(g.list, g.p, g.s);
    ASSERT_EQ(points.size(), g.局面列.size());
    for (size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(points[i].手数, static_cast<int>(i));
        EXPECT_EQ(points[i].点, 駒割り(g.局面列[i], true) * 10);
        EXPECT_FALSE(points[i].詰み);
    }
    EXPECT_NE(points.back().点, 0);  // the game was not level at its end
}

TEST(形勢グラフ, 詰みと大差は端に) {
    試験対局 g = 並べる({"+7776FU", "-3334FU", "+8822UM"}, 1, 1);
    g.p.盤[5][1] = 0;  // the top king gone: the bottom side has won
    EXPECT_EQ(形勢点にする(3, 50000, false), (形勢点{3, 30000, false}));
    EXPECT_EQ(形勢点にする(3, -1, true), (形勢点{3, -30000, true}));
    EXPECT_EQ(駒割りの形勢(g.list, g.p, g.s).back(), (形勢点{3, 30000, true}));
}

TEST(形勢グラフ, 指した側の点が下がった手に印) {
    試験対局 g = 並べる({"+7776FU", "-3334FU", "+8822UM", "-3122GI"}, 1, 1);
    棋譜の行一覧 rows = 棋譜行を作る(g.list, g.p, g.s);
    const struct {
        std::vector<int> 点;
        const char* 印;  // one character a row: x marked
    } 場合[] = {
        {{0, 0, 0, -400, -400}, "...x."},        // ▲ fell by 400
        {{0, 0, 0, 0, 400}, "....x"},            // △ fell by 400
        {{0, -300, -300, -300, -300}, "....."},  // by 300 only
    };
    for (const auto& c : 場合) {
        std::vector<形勢点> points;
        for (int x : c.点) points.push_back(形勢点にする(0, x, false));
        崩れた手に印(rows, points, 300);
        std::string 印;
        for (const 棋譜行& row : rows.行) 印 += row.崩れ ? 'x' : '.';
        EXPECT_EQ(印, c.印);
    }
}

}  // namespace
}  // namespace yukora
