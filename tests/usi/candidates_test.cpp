#include "usi/candidates.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "rules/making_move.h"
#include "rules/move_enumeration.h"
#include "usi/position_command.h"
#include "usi/think.h"
#include "usi_test_support.h"

namespace yukora {
namespace {

// Positions of the recorded game (both sides to move, hands, promotions) and a few made ones.
std::vector<USI局面> 局面たち() {
    std::vector<USI局面> list;
    const std::vector<std::string> moves = test::実戦の指し手();
    for (const std::size_t n : {0u, 1u, 17u, 42u, 43u, 46u, 53u, 66u, 85u, 98u}) {
        std::string text = "startpos moves";
        for (std::size_t i = 0; i < n && i < moves.size(); ++i) text += " " + moves[i];
        USI局面 pos;
        EXPECT_EQ(position命令を読む(text, pos), "") << n;
        list.push_back(pos);
    }
    for (const char* sfen : {"4k4/9/9/9/9/9/9/4g4/4K4 w - 1", "4k4/9/9/9/9/9/4p4/9/4K4 w g 1",
                             "4k2r1/9/9/9/9/9/8p/9/8K b - 1"})
        list.push_back(test::SFENの局面(sfen));
    return list;
}

using 手の形 = std::tuple<int, int, int, int, int>;  // origin, destination, dropped kind

手の形 形(const USI指し手& m) {
    return {m.打駒種類 ? 0 : m.元X, m.打駒種類 ? 0 : m.元Y, m.先X, m.先Y, m.打駒種類};
}

// Every move of the side to move that the move test allows, a promotion pair counted once.
std::set<手の形> 指せる手(const USI局面& pos) {
    局面 p = pos.p;
    調査_2歩フラグ設定(p);
    std::set<手の形> moves;
    手を並べる(p, pos.手番 == 先手 ? 1 : -1, [&](int 元X, int 元Y, int 先X, int 先Y, int 駒) {
        const bool drop = 元X == 自持駒列 || 元X == 敵持駒列;
        const int kind = drop ? 持駒種類(駒) : 0;
        moves.insert({drop ? 0 : 元X, drop ? 0 : 元Y, 先X, 先Y, kind});
        return true;
    });
    return moves;
}

TEST(全候補, 一番はゲームの探索の手と点で候補は指せる手の全部) {
    for (const USI局面& pos : 局面たち()) {
        const std::string sfen = SFEN書込(pos);
        for (int level = 1; level <= 3; ++level) {
            const 思考結果 search = 思考(pos, level);
            const 候補一覧 all = 全候補(pos, level);
            const auto best = 上位の候補(all.手, 1);
            ASSERT_EQ(best.size(), 1u) << sfen;
            EXPECT_EQ(USI指し手書込(best[0].指し手), USI指し手書込(search.指し手)) << sfen << level;
            EXPECT_EQ(best[0].点十倍, search.点十倍) << sfen << " level " << level;
            EXPECT_GE(all.評価回数, search.評価回数);
            std::set<手の形> listed;
            for (const 候補手& c : all.手) {
                EXPECT_TRUE(listed.insert(形(c.指し手)).second) << USI指し手書込(c.指し手);
                const int 取る駒 = pos.p.盤[c.指し手.先X][c.指し手.先Y];
                if (取る駒 == 王 || 取る駒 == -王) continue;  // a position never takes a king
                USI局面 after = pos;
                EXPECT_EQ(USI指し手を指す(after, c.指し手), "")
                    << sfen << " " << USI指し手書込(c.指し手);
            }
            EXPECT_EQ(listed, 指せる手(pos)) << sfen;
        }
    }
}

TEST(上位の候補, 点の高い順で同点は元の順) {
    std::vector<候補手> all(6);
    const int scores[] = {5, 9, 5, 9, -3, 9};
    for (int i = 0; i < 6; ++i) {
        all[i].指し手.先X = i + 1;
        all[i].点十倍 = scores[i];
    }
    std::vector<int> order;
    for (const 候補手& c : 上位の候補(all, 4)) order.push_back(c.指し手.先X);
    EXPECT_EQ(order, (std::vector<int>{2, 4, 6, 1}));
    EXPECT_EQ(上位の候補(all, 10).size(), 6u);
}

}  // namespace
}  // namespace yukora
