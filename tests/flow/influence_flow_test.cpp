// The influence display driven through the window's events: the menu item, the settings file,
// and the board's tint following every change of the position.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "display/influence_tint.h"
#include "flow/flow_fakes.h"
#include "support/board_fixtures.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

std::string 設定ファイル(const 試験台& t) {
    std::ifstream in(t.フォルダ / "Yukora将棋1.ini", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return SJISから変換(bytes).value_or("?");
}

// The board as the screen shows it agrees with a survey of the position on it.
void 盤に合っている(const 試験台& t, const char* where) {
    const 地色表 want = 局面の地色表(t.game->状態.盤面);
    EXPECT_EQ(t.screen.盤の地色(), want) << where;
    EXPECT_EQ(t.game->表示部().地色(), want) << where;
}

TEST(勢力表示, メニューで入れると初期局面の桝が強い側の色になり設定に残る) {
    試験台 t;
    t.screen.消去();
    t.選ぶ(メニュー操作::SEIRYOKU);
    EXPECT_TRUE(t.menu.印あり(メニュー操作::SEIRYOKU));
    EXPECT_EQ(
        設定ファイル(t),
        "背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n表示倍率=100\r\n勢力表示=ON\r\n");
    const 地色表 shown = t.screen.盤の地色();
    // Known squares of the starting position: (x, y) counted from the left and the top.
    struct 例 {
        int x, y;
        勢力地色 want;
    };
    const 例 cases[] = {
        {1, 7, {地色_下, 3, 3, 0}}, {2, 7, {0, 0, 0, 0}},       {3, 7, {地色_下, 2, 2, 0}},
        {4, 8, {地色_下, 3, 4, 0}}, {8, 8, {地色_下, 1, 1, 0}}, {5, 6, {地色_下, 1, 1, 0}},
        {5, 5, {0, 0, 0, 0}},       {5, 4, {地色_上, 1, 0, 1}}, {6, 2, {地色_上, 3, 0, 4}},
        {9, 3, {地色_上, 3, 0, 3}}, {8, 3, {0, 0, 0, 0}},       {1, 1, {0, 0, 0, 0}},
    };
    for (const 例& c : cases) EXPECT_EQ(shown[c.x][c.y], c.want) << c.x << c.y;
    盤に合っている(t, "start");

    t.選ぶ(メニュー操作::SEIRYOKU);
    EXPECT_FALSE(t.menu.印あり(メニュー操作::SEIRYOKU));
    EXPECT_EQ(t.screen.盤の地色(), 地色表{});
    EXPECT_EQ(
        設定ファイル(t),
        "背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n表示倍率=100\r\n勢力表示=OFF\r\n");
}

TEST(勢力表示, 設定ファイルで入っていれば起動した盤から色が付く) {
    試験台 t;
    const auto bytes =
        SJISへ変換("背景画=宇宙\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n勢力表示=ON\r\n");
    ASSERT_TRUE(bytes);
    std::ofstream(t.フォルダ / "Yukora将棋1.ini", std::ios::binary) << *bytes;
    t.menu.印.clear();
    t.screen.消去();
    t.game =
        std::make_unique<ゲーム>(ゲームの窓口{t.screen, t.clock, t.timer, t.dialog, t.menu, t.panel,
                                              t.音, t.browser, t.version, nullptr, 0});
    t.game->Form_Load(t.フォルダ);
    EXPECT_TRUE(t.menu.印あり(メニュー操作::SEIRYOKU));
    EXPECT_NE(t.screen.盤の地色(), 地色表{});
    盤に合っている(t, "after start-up");
}

TEST(勢力表示, 指し手と戻と進と反転と棋譜読込のたびに盤に合わせる) {
    試験台 t;
    t.選ぶ(メニュー操作::SEIRYOKU);
    t.選ぶ(メニュー操作::SENTE);
    const 地色表 start = t.screen.盤の地色();
    t.窓で押す(3, 7);
    t.窓で押す(3, 6);  // 7六歩, and the computer answers
    ASSERT_EQ(t.st().進行.数.手数, 2);
    盤に合っている(t, "after the computer's answer");
    EXPECT_NE(t.screen.盤の地色(), start);
    t.窓で押す(8, 7);
    t.窓で押す(8, 6);  // 2六歩
    盤に合っている(t, "after the second move");

    t.選ぶ(メニュー操作::REPLAY);
    盤に合っている(t, "戻");
    t.選ぶ(メニュー操作::REPLAY);
    盤に合っている(t, "戻 twice");
    t.選ぶ(メニュー操作::AFTER);
    盤に合っている(t, "進");

    // Saved and loaded again: the record's starting position, then its first move.
    t.panel.フォルダ = t.フォルダ.string();
    t.選ぶ(メニュー操作::KIFU_WRITE);
    t.panel.文字[棋譜欄::Text1] = "勢力";
    t.game->Command1_Click();
    t.game->File1_Click("勢力.棋譜");
    ASSERT_EQ(t.st().進行.番.棋譜モード, 1);
    EXPECT_EQ(t.screen.盤の地色(), 局面の地色表(test::初期局面()));
    盤に合っている(t, "record loaded");
    t.選ぶ(メニュー操作::AFTER);
    盤に合っている(t, "record, 進");

    t.選ぶ(メニュー操作::SENTE);
    t.選ぶ(メニュー操作::REVERSE);
    盤に合っている(t, "反転");
    t.選ぶ(メニュー操作::CANCEL);
    EXPECT_EQ(t.screen.盤の地色(), start);
}

TEST(勢力表示, 選んだ駒の枠は色を付け直した後も残る) {
    試験台 t;
    t.選ぶ(メニュー操作::SENTE);
    t.窓で押す(3, 7);  // the pawn in front of the bishop, selected
    t.選ぶ(メニュー操作::SEIRYOKU);
    EXPECT_EQ(t.game->表示部().輪郭色(3, 7), 12);
    const auto outlines = t.screen.絞込("輪郭");
    EXPECT_EQ(outlines.back(), "輪郭 12 2760 4720 3330 5380");
    t.窓で押す(3, 6);  // the move is still made from the selection
    EXPECT_EQ(t.st().進行.数.手数, 2);
}

TEST(勢力表示, 箱が開くとき盤の色はその時の局面のもの) {
    // After 7六歩 and the answer, a record of the start loaded, and スタート after a win.
    for (const bool 読込 : {true, false}) {
        試験台 t;
        t.選ぶ(メニュー操作::SEIRYOKU);
        t.選ぶ(メニュー操作::SENTE);
        t.窓で押す(3, 7);
        t.窓で押す(3, 6);
        t.panel.フォルダ = t.フォルダ.string();
        t.選ぶ(メニュー操作::KIFU_WRITE);
        t.panel.文字[棋譜欄::Text1] = "箱";
        t.game->Command1_Click();
        std::vector<std::string> boxes, stale;
        t.dialog.開く時 = [&] {
            boxes.push_back(t.dialog.最後());
            if (t.screen.盤の地色() != 局面の地色表(t.st().盤面)) stale.push_back(t.dialog.最後());
        };
        if (読込) t.game->File1_Click("箱.棋譜");
        t.st().進行.番.勝者 = 1;
        if (!読込) t.選ぶ(メニュー操作::START);
        EXPECT_FALSE(boxes.empty()) << 読込;
        EXPECT_TRUE(stale.empty()) << stale.front();
    }
}

// The moves of a game against the computer, with the influence display on or off.
struct 対局の跡 {
    std::vector<手順記録> 手順;
    局面 盤面;
    勢力地図 勢力;
    COM思考状態 思考;
};

対局の跡 指してみる(bool 勢力表示) {
    試験台 t;
    if (勢力表示) t.選ぶ(メニュー操作::SEIRYOKU);
    t.選ぶ(メニュー操作::SENTE);
    const int moves[][4] = {{3, 7, 3, 6}, {8, 7, 8, 6}, {8, 6, 8, 5}, {7, 7, 7, 6}, {6, 9, 7, 8}};
    for (const auto& m : moves) {
        t.窓で押す(m[0], m[1]);
        t.窓で押す(m[2], m[3]);
        t.選ぶ(メニュー操作::SEIRYOKU);  // toggled between the moves, whichever way it started
    }
    対局の跡 r{{}, t.st().盤面, t.st().勢力, t.st().思考};
    for (int i = 0; i <= t.st().進行.数.手順最終; ++i) r.手順.push_back(t.st().手順.参照(i));
    EXPECT_EQ(t.st().進行.数.手数, 10);
    return r;
}

TEST(勢力表示, 入れても切ってもコンピュータの手と状態は変わらない) {
    const 対局の跡 off = 指してみる(false), on = 指してみる(true);
    ASSERT_EQ(on.手順.size(), off.手順.size());
    for (size_t i = 0; i < on.手順.size(); ++i) {
        EXPECT_EQ(on.手順[i].盤, off.手順[i].盤) << i;
        EXPECT_EQ(on.手順[i].COM持駒, off.手順[i].COM持駒) << i;
    }
    EXPECT_EQ(on.盤面.盤, off.盤面.盤);
    EXPECT_EQ(on.盤面.COM王X, off.盤面.COM王X);
    EXPECT_EQ(on.盤面.MAN2歩フラグ, off.盤面.MAN2歩フラグ);
    const 勢力地図 &a = on.勢力, &b = off.勢力;
    for (const auto 地図 :
         {&勢力地図::勢力MAN, &勢力地図::勢力COM, &勢力地図::守駒MAN, &勢力地図::守駒COM,
          &勢力地図::守駒COM_X, &勢力地図::守駒COM_Y, &勢力地図::攻駒MAN, &勢力地図::攻駒COM,
          &勢力地図::攻駒COM_X, &勢力地図::攻駒COM_Y, &勢力地図::MAN王手筋, &勢力地図::COM王手筋})
        EXPECT_EQ(a.*地図, b.*地図);
    EXPECT_EQ(on.思考.最高点, off.思考.最高点);
    EXPECT_EQ(on.思考.盤保存, off.思考.盤保存);
    EXPECT_EQ(on.思考.勢力MAN前, off.思考.勢力MAN前);
    EXPECT_EQ(on.思考.攻駒COM_X前, off.思考.攻駒COM_X前);
    EXPECT_EQ(on.思考.評価回数, off.思考.評価回数);
}

}  // namespace
}  // namespace yukora
