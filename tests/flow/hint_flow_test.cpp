// "ヒント" through the window's events: the computer's choice for the side to move, outlined
// and named in a box, with nothing of the game changed.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "computer/side_search.h"
#include "flow/flow_fakes.h"
#include "game/move_text.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

std::string 輪郭(int colour, int x, int y) {
    const int X = 1050 + 570 * x, Y = 100 + 660 * y;
    return "輪郭 " + std::to_string(colour) + " " + std::to_string(X) + " " + std::to_string(Y) +
           " " + std::to_string(X + 570) + " " + std::to_string(Y + 660);
}

// The cell an outline call goes round, and its colour.
struct 枠 {
    int 色, x, y;
};
枠 枠を読む(const std::string& call) {
    std::istringstream in(call);
    std::string kind;
    int colour = 0, X = 0, Y = 0;
    in >> kind >> colour >> X >> Y;
    return {colour, (X - 1050) / 570, (Y - 100) / 660};
}

// Everything of the game a hint could touch, side by side with how it was.
void 変わっていない(const ゲーム状態& a, const ゲーム状態& b) {
    EXPECT_EQ(a.盤面.盤, b.盤面.盤);
    EXPECT_EQ(a.盤面.MAN持駒, b.盤面.MAN持駒);
    EXPECT_EQ(a.盤面.COM持駒, b.盤面.COM持駒);
    EXPECT_EQ(a.盤面.MAN持駒数, b.盤面.MAN持駒数);
    EXPECT_EQ(a.盤面.COM持駒数, b.盤面.COM持駒数);
    EXPECT_EQ(a.盤面.MAN王X * 10 + a.盤面.MAN王Y, b.盤面.MAN王X * 10 + b.盤面.MAN王Y);
    EXPECT_EQ(a.盤面.COM王X * 10 + a.盤面.COM王Y, b.盤面.COM王X * 10 + b.盤面.COM王Y);
    EXPECT_EQ(a.盤面.MAN2歩フラグ, b.盤面.MAN2歩フラグ);
    EXPECT_EQ(a.進行.番.手番, b.進行.番.手番);
    EXPECT_EQ(a.進行.番.勝者, b.進行.番.勝者);
    EXPECT_EQ(a.進行.選択.選択状態, b.進行.選択.選択状態);
    EXPECT_EQ(a.進行.選択.選択駒, b.進行.選択.選択駒);
    EXPECT_EQ(a.進行.数.手数, b.進行.数.手数);
    EXPECT_EQ(a.進行.数.手順番号, b.進行.数.手順番号);
    EXPECT_EQ(a.進行.数.手順最終, b.進行.数.手順最終);
    EXPECT_EQ(a.進行.時間.MAN時間, b.進行.時間.MAN時間);
    EXPECT_EQ(a.勢力.勢力MAN, b.勢力.勢力MAN);
    EXPECT_EQ(a.勢力.勢力COM, b.勢力.勢力COM);
    EXPECT_EQ(a.勢力.守駒COM_X, b.勢力.守駒COM_X);
    EXPECT_EQ(a.勢力.攻駒COM_Y, b.勢力.攻駒COM_Y);
    EXPECT_EQ(a.思考.最高点, b.思考.最高点);
    EXPECT_EQ(a.思考.盤保存, b.思考.盤保存);
    EXPECT_EQ(a.思考.逃道印, b.思考.逃道印);
    EXPECT_EQ(a.思考.評価回数, b.思考.評価回数);
    for (int i = 0; i <= a.進行.数.手順最終; ++i)
        EXPECT_EQ(a.手順.参照(i).盤, b.手順.参照(i).盤) << i;
}

TEST(ヒント, 人の番には手を枠で示して箱で告げ何も変えない) {
    試験台 t;
    t.選ぶ(メニュー操作::SENTE);
    t.窓で押す(3, 7);
    t.窓で押す(3, 6);  // 7六歩 and the computer's answer
    const ゲーム状態 before = t.st();
    t.screen.消去();
    t.音を消す();
    t.選ぶ(メニュー操作::HINT);
    変わっていない(t.st(), before);
    EXPECT_TRUE(t.鳴った音().empty());
    EXPECT_TRUE(t.screen.絞込("絵").empty());
    // The computer's choice for the bottom side at the game's level: its origin and destination
    // outlined, the box naming the destination and the piece.
    const COM指し手 want = 手番側の探索(before.盤面, true, before.進行.強さ.レベル).手;
    const auto outlines = t.screen.絞込("輪郭");
    EXPECT_EQ(outlines, (std::vector<std::string>{輪郭(13, want.元X, want.元Y),
                                                  輪郭(13, want.先X, want.先Y)}));
    EXPECT_EQ(t.dialog.最後(), "ヒント: " + 記譜(want.先X, want.先Y, want.駒後));
    ASSERT_EQ(outlines.size(), 2u);
    const 枠 元 = 枠を読む(outlines[0]), 先 = 枠を読む(outlines[1]);

    // The next press puts the outlines back as they were before the hint.
    t.screen.消去();
    t.窓で押す(5, 5);
    const auto back = t.screen.絞込("輪郭");
    ASSERT_GE(back.size(), 2u);
    EXPECT_EQ(back[0], 輪郭(0, 先.x, 先.y));
    EXPECT_EQ(back[1], 輪郭(0, 元.x, 元.y));
    変わっていない(t.st(), before);
}

// A gold drop on 5二 mates the top king, the pawn on (5, 3) protecting it.
局面 金打ちで詰む局面() {
    return test::盤面(R"(
        . . . . k . . . .
        . . . . . . . . .
        . . . . P . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . K . . . .
    )",
                      "G");
}

TEST(ヒント, 枠は前の色に戻す) {
    試験台 t;
    t.選ぶ(メニュー操作::SENTE);
    t.st().盤面 = 金打ちで詰む局面();
    t.窓で押す(自持駒列, 自持駒の行(持駒_金));  // the gold in hand selected
    t.game->表示部().描画_桝輪郭(15, 5, 2);     // a square marked in white
    t.選ぶ(メニュー操作::HINT);
    t.screen.消去();
    t.選ぶ(メニュー操作::STOP);
    EXPECT_EQ(t.screen.絞込("輪郭"),
              (std::vector<std::string>{輪郭(15, 5, 2), 輪郭(12, 自持駒列, 自持駒の行(持駒_金))}));
    EXPECT_EQ(t.st().進行.選択.選択状態, 1);
}

TEST(ヒント, 持駒の打ちは持駒の桝と打つ桝を枠で示す) {
    試験台 t;
    t.選ぶ(メニュー操作::SENTE);
    t.st().盤面 = 金打ちで詰む局面();
    t.screen.消去();
    t.選ぶ(メニュー操作::HINT);
    EXPECT_EQ(t.dialog.最後(), "ヒント: ５二金");
    EXPECT_EQ(t.screen.絞込("輪郭"),
              (std::vector<std::string>{輪郭(13, 自持駒列, 自持駒の行(持駒_金)), 輪郭(13, 5, 2)}));
    EXPECT_EQ(t.st().盤面.MAN持駒[持駒_金], 1);
    EXPECT_EQ(t.st().盤面.盤[5][2], 0);
    t.screen.消去();
    t.選ぶ(メニュー操作::TAIKYOKU);  // opening a menu takes the outlines away too
    EXPECT_EQ(t.screen.絞込("輪郭"),
              (std::vector<std::string>{輪郭(0, 5, 2), 輪郭(0, 自持駒列, 自持駒の行(持駒_金))}));
}

TEST(ヒント, 二人の対局では上の手番にも上の手を示す) {
    試験台 t;
    t.選ぶ(メニュー操作::START);
    t.窓で押す(3, 7);
    t.窓で押す(3, 6);  // the bottom side moves; the top side is to move
    ASSERT_EQ(t.st().進行.番.手番, -1);
    const COM指し手 want = 手番側の探索(t.st().盤面, false, t.st().進行.強さ.レベル).手;
    t.screen.消去();
    t.選ぶ(メニュー操作::HINT);
    EXPECT_EQ(t.screen.絞込("輪郭"), (std::vector<std::string>{輪郭(13, want.元X, want.元Y),
                                                               輪郭(13, want.先X, want.先Y)}));
    EXPECT_EQ(t.dialog.最後(), "ヒント: " + 記譜(want.先X, want.先Y, want.駒後));
}

TEST(ヒント, 棋譜モードと対局前と終局とコンピュータの番と負けた局面には断る) {
    const struct {
        const char* 場面;
        std::function<void(試験台&)> 用意;
        const char* 箱;
    } cases[] = {
        {"before a game", [](試験台&) {}, "ヒント: 「対局」で始めて下さい"},
        {"computer to move after 戻",
         [](試験台& t) {
             t.選ぶ(メニュー操作::SENTE);
             t.窓で押す(3, 7);
             t.窓で押す(3, 6);
             t.選ぶ(メニュー操作::REPLAY);
         },
         "ヒント: ｺﾝﾋﾟｭｰﾀの番です"},
        {"game over",
         [](試験台& t) {
             t.選ぶ(メニュー操作::SENTE);
             // The bottom gold takes the top king.
             t.st().盤面 = test::盤面(R"(
                 l . . . . . . . .
                 . . . . k . . . .
                 . . . . G . . . .
                 . . . . . . . . .
                 . . . . . . . . .
                 . . . . . . . . .
                 . . . . . . . . .
                 . . . . . . . . .
                 . . . . K . . . .
             )");
             t.窓で押す(5, 3);
             t.窓で押す(5, 2);
         },
         "ヒント: 新規に対局してください"},
        {"record mode",
         [](試験台& t) {
             t.選ぶ(メニュー操作::SENTE);
             t.窓で押す(3, 7);
             t.窓で押す(3, 6);
             t.panel.フォルダ = t.フォルダ.string();
             t.選ぶ(メニュー操作::KIFU_WRITE);
             t.panel.文字[棋譜欄::Text1] = "ヒント";
             t.game->Command1_Click();
             t.game->File1_Click("ヒント.棋譜");
         },
         "ヒント: 棋譜ﾓｰﾄﾞではできません"},
        {"lost: every king move goes into check, nothing else moves",
         [](試験台& t) {
             t.選ぶ(メニュー操作::SENTE);
             t.st().盤面 = test::盤面("4k2r1/9/9/9/9/9/8p/9/8K");
         },
         "ヒント: 負けです。王を守る手がありません"},
    };
    for (const auto& c : cases) {
        試験台 t;
        c.用意(t);
        const ゲーム状態 before = t.st();
        t.screen.消去();
        t.音を消す();
        t.選ぶ(メニュー操作::HINT);
        EXPECT_EQ(t.dialog.最後(), c.箱) << c.場面;
        EXPECT_EQ(t.鳴った音(), std::vector<std::string>{"禁止.wav"}) << c.場面;
        EXPECT_TRUE(t.screen.絞込("輪郭").empty()) << c.場面;
        変わっていない(t.st(), before);
    }
}

}  // namespace
}  // namespace yukora
