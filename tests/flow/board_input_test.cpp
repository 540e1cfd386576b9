// Presses on the board and the hands, promotion, stepping through the move list.
#include <gtest/gtest.h>

#include <algorithm>

#include "flow/clock_text.h"
#include "flow/flow_fakes.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

bool 描いた(const 試験台& t, const std::string& text) {
    const auto calls = t.screen.絞込("文字");
    return std::any_of(calls.begin(), calls.end(), [&](const std::string& c) {
        return c.size() >= text.size() && c.compare(c.size() - text.size(), text.size(), text) == 0;
    });
}

TEST(盤の押下, 空の桝は何もしない相手の駒は見るだけ) {
    試験台 t;
    t.game->START_Click();
    t.音を消す();
    t.押す(5, 5);
    EXPECT_EQ(t.st().進行.選択.選択状態, 0);
    EXPECT_TRUE(t.鳴った音().empty());
    t.押す(3, 3);  // a top pawn while the bottom side is to move
    EXPECT_EQ(t.st().進行.選択.選択状態, 0);
    EXPECT_EQ(t.st().進行.選択.選択駒, 歩);
    t.押す(3, 7);
    t.押す(2, 7);  // another own piece: the selection switches, no sound
    EXPECT_EQ(t.st().進行.選択.選択状態, 1);
    EXPECT_EQ(t.st().進行.選択.元X, 2);
    EXPECT_TRUE(t.鳴った音().empty());
    t.押す(2, 4);  // not a pawn move
    EXPECT_EQ(t.鳴った音(), std::vector<std::string>{"禁止.wav"});
    EXPECT_EQ(t.st().進行.選択.選択状態, 0);
    EXPECT_EQ(t.st().盤面.盤[2][7], -歩);
}

TEST(成り, 左では断り右で成る) {
    試験台 t;
    t.game->START_Click();
    t.st().盤面.盤[4][2] = -歩;
    t.st().盤面.盤[4][1] = 0;  // the top gold's square, emptied for the pawn
    t.音を消す();
    t.押す(4, 2);
    t.押す(4, 1);
    EXPECT_EQ(t.dialog.最後(), "成り: マウスの右をクリックして下さい");
    EXPECT_EQ(t.鳴った音(), std::vector<std::string>{"禁止.wav"});
    EXPECT_EQ(t.st().進行.選択.選択状態, 1);  // the selection stays
    t.押す(4, 1, ボタン_右);
    EXPECT_EQ(t.st().盤面.盤[4][1], -と);
    EXPECT_EQ(t.st().進行.数.手数, 1);
    EXPECT_TRUE(描いた(t, "と"));
}

TEST(成り, 成れない手を右で押すと成らずに指す) {
    試験台 t;
    t.game->START_Click();
    t.押す(3, 7);
    t.押す(3, 6, ボタン_右);
    EXPECT_EQ(t.st().盤面.盤[3][6], -歩);
    t.押す(7, 3);
    t.押す(7, 4, ボタン_右);
    EXPECT_EQ(t.st().盤面.盤[7][4], 歩);
}

TEST(持駒, 上の持駒は行から種類に直して打つ) {
    試験台 t;
    t.game->START_Click();
    t.押す(3, 7);
    t.押す(3, 6);
    局面& p = t.st().盤面;
    p.COM持駒[持駒_銀] = 1;
    p.COM持駒数 = 1;
    t.押す(敵持駒列, 敵持駒の行(持駒_銀));
    EXPECT_EQ(t.st().進行.選択.選択駒, 銀);
    t.押す(5, 5);
    EXPECT_EQ(p.盤[5][5], 銀);
    EXPECT_EQ(p.COM持駒[持駒_銀], 0);
    EXPECT_EQ(p.COM持駒数, 0);
    // An empty hand slot does nothing.
    t.押す(自持駒列, 自持駒の行(持駒_飛));
    EXPECT_EQ(t.st().進行.選択.選択状態, 0);
}

TEST(戻と進, 両端の断りと手の表示) {
    試験台 t;
    t.game->START_Click();
    t.game->REPLAY_Click();
    EXPECT_EQ(t.dialog.最後(), "戻る: できません");
    EXPECT_EQ(t.st().進行.番.再開待ち, 1);
    t.押す(3, 7);  // resumes the two-human game first
    EXPECT_EQ(t.dialog.最後(), "対局: 先手の番です");
    t.押す(3, 6);
    t.押す(7, 3);
    t.押す(7, 4);
    const 盤型 二手後 = t.st().盤面.盤;
    t.game->AFTER_Click();
    EXPECT_EQ(t.dialog.最後(), "進む: できません");  // the last position was never stored
    t.game->REPLAY_Click();
    t.game->REPLAY_Click();
    EXPECT_EQ(t.st().盤面.盤, test::初期局面().盤);
    EXPECT_EQ(t.st().進行.数.手数, 0);
    EXPECT_EQ(t.st().進行.番.手番, 1);
    t.screen.消去();
    t.game->AFTER_Click();
    EXPECT_EQ(t.st().進行.数.手数, 1);
    EXPECT_EQ(t.st().盤面.盤[3][6], -歩);
    EXPECT_TRUE(描いた(t, "歩"));  // the move's notation is shown again
    EXPECT_TRUE(描いた(t, "７"));
    EXPECT_TRUE(描いた(t, "六"));
    EXPECT_NE(t.st().盤面.盤, 二手後);
}

TEST(戻と進, 戻した後の押下でコンピュータが指す) {
    試験台 t;
    t.game->SENTE_Click();
    t.押す(3, 7);
    t.押す(3, 6);
    ASSERT_EQ(t.st().進行.数.手数, 2);
    t.game->REPLAY_Click();
    EXPECT_EQ(t.st().進行.番.手番, t.st().進行.番.COM番);
    EXPECT_FALSE(t.timer.on);
    t.押す(9, 7);
    EXPECT_EQ(t.dialog.表示した.at(t.dialog.表示した.size() - 1), "再開(COM): OKですか？");
    EXPECT_EQ(t.st().進行.数.手数, 2);
    EXPECT_EQ(t.st().進行.番.手番, t.st().進行.番.MAN番);
    EXPECT_EQ(t.st().進行.選択.選択状態, 1);  // the same press then selected the pawn
}

TEST(戻と進, 対局前の進は断る) {
    試験台 t;
    t.game->AFTER_Click();
    EXPECT_EQ(t.dialog.最後(), "開始: 「対局」で始めて下さい");
}

TEST(棋譜モード, 押下は問い合わせていいえで初期設定) {
    試験台 t;
    t.game->START_Click();
    t.押す(3, 7);
    t.押す(3, 6);
    t.st().進行.番.棋譜モード = 1;
    t.dialog.答え = {true, false};
    t.押す(5, 5);
    EXPECT_EQ(t.dialog.最後(), "棋譜? 棋譜を '進 'で進めて下さい");
    EXPECT_EQ(t.st().盤面.盤[3][6], -歩);
    t.音を消す();
    t.押す(5, 5);
    EXPECT_EQ(t.st().盤面.盤, test::初期局面().盤);
    EXPECT_EQ(t.st().進行.番.棋譜モード, 0);
    EXPECT_EQ(t.鳴った音(), std::vector<std::string>{"禁止.wav"});
}

TEST(時計, 表示の書式と日付の変わり目) {
    EXPECT_EQ(調査_時間秒追加結果(65), "00:01:05");
    EXPECT_EQ(調査_時間秒追加結果(3725), "01:02:05");
    EXPECT_EQ(調査_時間秒追加結果(100 * 3600), ":00:00");
    EXPECT_EQ(調査_時間秒追加結果(7.9f), "00:00:07");
    EXPECT_FLOAT_EQ(調査_経過秒(86390, 5), 15);
    EXPECT_FLOAT_EQ(調査_経過秒(100, 130.5f), 30.5f);
}

TEST(時計, 一秒ごとに一度だけ描き直す) {
    試験台 t;
    t.game->START_Click();
    if (!t.st().設定.印.KEIKA) t.game->KEIKA_Click();
    ASSERT_TRUE(t.timer.on);
    t.clock.刻み = 0.05f;
    t.st().進行.時間.手番開始時刻 = t.clock.今;
    t.st().進行.時間.表示秒 = 0;
    t.screen.消去();
    for (int i = 0; i < 45; ++i) t.game->Timer1_Timer();  // about 2.2 s of ticks
    const auto texts = t.screen.絞込("文字");
    EXPECT_EQ(texts.size(), 4u);  // two seconds, each a shadow and the text
    EXPECT_TRUE(描いた(t, "00:00:02"));
    EXPECT_EQ(t.st().進行.時間.MAN時間, 0);  // totals change only when a move is made
}

TEST(時計, 経過時間を切ると消して止める) {
    試験台 t;
    t.game->START_Click();
    const bool was = t.st().設定.印.KEIKA;
    t.game->KEIKA_Click();
    EXPECT_EQ(t.st().設定.印.KEIKA, !was);
    EXPECT_EQ(t.menu.印あり(メニュー操作::KEIKA), !was);
    EXPECT_EQ(t.timer.on, !was);
}

}  // namespace
}  // namespace yukora
