// Replays a professional game: every move must pass the move test and the promotion rules,
// and the piece count must hold all along.
#include <gtest/gtest.h>

#include "game/move_list.h"
#include "influence/survey.h"
#include "rules/making_move.h"
#include "rules/mate.h"
#include "rules/move_legality.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::手の合計;
using test::駒の総数;

TEST(実戦, 棋譜の全ての手が規則どおりに指せる) {
    const auto moves = test::CSA棋譜(std::string(GAMES_DIR) + "/real-game-1.csa");
    ASSERT_GT(moves.size(), 90u);
    局面 p = test::初期局面();
    進行状態 s;
    描画なし view;
    手順リスト list;
    勢力地図 m;
    for (size_t i = 0; i < moves.size(); ++i) {
        SCOPED_TRACE(moves[i]);
        const test::CSA指し手 mv = test::CSAを読む(moves[i]);
        調査_2歩フラグ設定(p);
        const int 元駒 = mv.打ち ? mv.駒 : p.盤[mv.元X][mv.元Y];
        ASSERT_NE(元駒, 0);
        ASSERT_EQ(移動チェック(p, mv.元X, mv.元Y, mv.先X, mv.先Y, 元駒), 1);
        if (元駒 != mv.駒) {
            int 成駒 = 0;
            ASSERT_EQ(調査_駒成(mv.元X, mv.元Y, mv.先X, mv.先Y, 元駒, 成駒), 1);
            ASSERT_EQ(成駒, mv.駒);
        }
        ASSERT_EQ(移動後チェック(mv.先Y, mv.駒), 1);
        s.数.手順番号 = static_cast<int>(i);
        手順保存(list, p, s.数, 0, 0, 0, 0);
        駒移動(p, s.番, view, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒);
        ASSERT_EQ(駒の総数(p), 40);
        ASSERT_EQ(p.MAN持駒数 + p.COM持駒数, 手の合計(p.MAN持駒) + 手の合計(p.COM持駒));
        ASSERT_EQ(s.番.勝者, 0);
        // Whoever just moved never leaves the mate tests unable to answer.
        勢力調査(p, m);
        EXPECT_EQ(詰めかMAN(p, m), 0);
        EXPECT_EQ(詰めかCOM(p, m), 0);
    }
    // Stepping the list back to the start gives the starting position again.
    EXPECT_EQ(list.参照(0).盤, test::初期局面().盤);
    const 移動結果 last = 調査_移動結果(list, static_cast<int>(moves.size()) - 1);
    EXPECT_TRUE(last.見つかった);
}

}  // namespace
}  // namespace yukora
