#include "settings/option_commands.h"

#include <gtest/gtest.h>

#include "settings/settings_fakes.h"
#include "support/fake_board_view.h"
#include "support/temp_folder.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

class オプション : public ::testing::Test {
protected:
    test::棋譜試験::一時フォルダ dir;
    test::記録する盤描画 view;
    test::設定試験::記録するBGM music;
    設定状態 st;
    int 背景画番号 = 0;

    std::string ファイル() const {
        return SJISから変換(dir.読む(環境設定ファイル名)).value_or("?");
    }
    int 背景の印の数() const {
        return st.印.MIDORI + st.印.TATAMI + st.印.TAKE + st.印.UCHU + st.印.RENGA;
    }
};

TEST_F(オプション, チェック設定は五つのうち一つだけに印を付け他の番号では全部外す) {
    const std::pair<int, bool オプション印::*> items[] = {{2, &オプション印::MIDORI},
                                                          {3, &オプション印::TATAMI},
                                                          {4, &オプション印::TAKE},
                                                          {5, &オプション印::UCHU},
                                                          {6, &オプション印::RENGA}};
    for (const auto& [n, item] : items) {
        チェック設定(st.印, n);
        EXPECT_TRUE(st.印.*item) << n;
        EXPECT_EQ(背景の印の数(), 1) << n;
    }
    チェック設定(st.印, 7);
    EXPECT_EQ(背景の印の数(), 0);
    チェック設定(st.印, 1);
    EXPECT_EQ(背景の印の数(), 0);
}

TEST_F(オプション, 宇宙を選ぶとファイルの一行目になり画面を描き直す) {
    UCHU_Click(st, 背景画番号, view, dir.場所());
    EXPECT_TRUE(st.印.UCHU);
    EXPECT_EQ(背景の印の数(), 1);
    EXPECT_EQ(背景画番号, 5);
    EXPECT_EQ(ファイル(),
              "背景画=宇宙\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n表示倍率=100\r\n勢力表示="
              "OFF\r\n");
    EXPECT_EQ(view.呼出し, std::vector<std::string>{"再描画"});
}

TEST_F(オプション, 印の付いた背景を選んでも番号は変えずにファイルを書き描き直す) {
    // The initial menu has 畳 checked while no background was set yet.
    TATAMI_Click(st, 背景画番号, view, dir.場所());
    EXPECT_EQ(背景画番号, 0);
    EXPECT_EQ(
        ファイル(),
        "背景画=畳\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n表示倍率=100\r\n勢力表示=OFF\r\n");
    EXPECT_EQ(view.呼出し, std::vector<std::string>{"再描画"});

    MIDORI_Click(st, 背景画番号, view, dir.場所());
    TAKE_Click(st, 背景画番号, view, dir.場所());
    RENGA_Click(st, 背景画番号, view, dir.場所());
    EXPECT_EQ(背景画番号, 6);
    EXPECT_TRUE(st.印.RENGA);
    EXPECT_EQ(背景の印の数(), 1);
    EXPECT_EQ(view.呼出し.size(), 4u);
}

TEST_F(オプション, 移動指導を入れると白で切ると黒の輪郭に戻して色は0) {
    SIDOU_Click(st, view, dir.場所());
    EXPECT_TRUE(st.印.SIDOU);
    EXPECT_EQ(st.移動指導フラグ, 1);
    EXPECT_EQ(st.指導色, 15);
    EXPECT_TRUE(view.呼出し.empty());
    EXPECT_EQ(
        ファイル(),
        "背景画=畳\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n表示倍率=100\r\n勢力表示=OFF\r\n");

    SIDOU_Click(st, view, dir.場所());
    EXPECT_FALSE(st.印.SIDOU);
    EXPECT_EQ(st.移動指導フラグ, 0);
    EXPECT_EQ(st.指導色, 0);
    ASSERT_EQ(view.呼出し.size(), 81u + 14u);
    EXPECT_EQ(view.呼出し.front(), "輪郭 0 1 1");
    EXPECT_EQ(view.呼出し[80], "輪郭 0 9 9");
    for (int k = 1; k <= 7; ++k) {
        const auto has = [&](const std::string& call) {
            return std::find(view.呼出し.begin(), view.呼出し.end(), call) != view.呼出し.end();
        };
        EXPECT_TRUE(has("輪郭 0 -1 " + std::to_string(k)));
        EXPECT_TRUE(has("輪郭 0 11 " + std::to_string(k + 2)));
    }
    EXPECT_EQ(
        ファイル(),
        "背景画=畳\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n表示倍率=100\r\n勢力表示=OFF\r\n");
}

TEST_F(オプション, BGMは入れるとループ再生し切ると止めてファイルに残す) {
    BGM_Click(st, music, dir.場所());
    EXPECT_TRUE(st.印.BGM);
    EXPECT_EQ(
        ファイル(),
        "背景画=畳\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=ON\r\n表示倍率=100\r\n勢力表示=OFF\r\n");
    BGM_Click(st, music, dir.場所());
    EXPECT_FALSE(st.印.BGM);
    EXPECT_EQ(music.操作, (std::vector<std::string>{"ループ再生", "停止"}));
    EXPECT_EQ(
        ファイル(),
        "背景画=畳\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n表示倍率=100\r\n勢力表示=OFF\r\n");
}

TEST_F(オプション, 勢力表示は入れ切りして最後の行に残す) {
    SEIRYOKU_Click(st, dir.場所());
    EXPECT_TRUE(st.印.SEIRYOKU);
    EXPECT_EQ(
        ファイル(),
        "背景画=畳\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n表示倍率=100\r\n勢力表示=ON\r\n");
    SEIRYOKU_Click(st, dir.場所());
    EXPECT_FALSE(st.印.SEIRYOKU);
    EXPECT_EQ(
        ファイル(),
        "背景画=畳\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n表示倍率=100\r\n勢力表示=OFF\r\n");
}

}  // namespace
}  // namespace yukora
