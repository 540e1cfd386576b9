#include "panel/panel_commands.h"

#include <gtest/gtest.h>

#include "panel/panel_fakes.h"
#include "support/temp_folder.h"

namespace yukora {
namespace {

class 棋譜パネル操作 : public ::testing::Test {
protected:
    test::棋譜試験::記録するパネル panel;
    test::棋譜試験::記録するダイアログ dialog;
    進行状態 s;

    void 打ち込む() {
        panel.文字列設定(棋譜欄::Text1, "f");
        panel.文字列設定(棋譜欄::Text2, "題");
        panel.文字列設定(棋譜欄::Text3, "甲");
        panel.文字列設定(棋譜欄::Text4, "乙");
    }
    bool 空欄() const {
        for (const 棋譜欄 b : {棋譜欄::Text1, 棋譜欄::Text2, 棋譜欄::Text3, 棋譜欄::Text4})
            if (!panel.文字列(b).empty()) return false;
        return true;
    }
};

TEST_F(棋譜パネル操作, 読込は三つの一覧だけを見せ入力欄を消して空にする) {
    打ち込む();
    panel.可視_入力欄(true);
    KIFU_READ_Click(panel);
    EXPECT_TRUE(panel.Drive1 && panel.Dir1 && panel.File1);
    EXPECT_FALSE(panel.入力欄);
    EXPECT_TRUE(空欄());
}

TEST_F(棋譜パネル操作, 書込はファイル一覧を隠し入力欄を見せ打った文字を残す) {
    KIFU_READ_Click(panel);
    打ち込む();
    KIFU_WRITE_Click(panel, dialog, s);
    EXPECT_TRUE(dialog.表示.empty());
    EXPECT_TRUE(panel.Drive1 && panel.Dir1 && panel.入力欄);
    EXPECT_FALSE(panel.File1);
    EXPECT_EQ(panel.文字列(棋譜欄::Text2), "題");
}

TEST_F(棋譜パネル操作, 反転後とハンディキャップ設定後の書込は断り何も開かない) {
    s.番.反転済 = 1;
    s.強さ.ハンデ設定済 = 1;
    KIFU_WRITE_Click(panel, dialog, s);
    s.番.反転済 = 0;
    KIFU_WRITE_Click(panel, dialog, s);
    EXPECT_EQ(dialog.表示, (std::vector<test::棋譜試験::メッセージ記録>{
                               {"反転後は書き込みできません", "棋譜書込"},
                               {"ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込"}}));
    EXPECT_FALSE(panel.Drive1 || panel.Dir1 || panel.File1 || panel.入力欄);
}

TEST_F(棋譜パネル操作, 閉じると全部隠れて入力欄は空になる) {
    KIFU_WRITE_Click(panel, dialog, s);
    打ち込む();
    棋譜パネル_閉じる(panel);
    EXPECT_FALSE(panel.Drive1 || panel.Dir1 || panel.File1 || panel.入力欄);
    EXPECT_TRUE(空欄());
}

TEST(ドライブ一覧, 読めない装置は準備できていないと伝えてフォルダを変えない) {
    test::棋譜試験::記録するダイアログ dialog;
    EXPECT_EQ(Drive1_Change(dialog, true), 1);
    EXPECT_TRUE(dialog.表示.empty());
    EXPECT_EQ(Drive1_Change(dialog, false), 0);
    EXPECT_EQ(dialog.表示,
              (std::vector<test::棋譜試験::メッセージ記録>{{"ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ"}}));

    test::棋譜試験::一時フォルダ dir;
    EXPECT_TRUE(フォルダ読取可(dir.場所()));
    EXPECT_FALSE(フォルダ読取可(dir.中("not-mounted")));
    dir.置く("file", "x");
    EXPECT_FALSE(フォルダ読取可(dir.中("file")));
}

TEST(ハンディキャップ設定, 理由ごとの文に二つの改行と局面最初の案内が続く) {
    test::棋譜試験::記録するダイアログ dialog;
    for (int reason : {1, 2, 3, 0}) 描画_メッセージ(dialog, reason);
    const std::string tail = "\n\n局面→最初にして下さい";
    EXPECT_EQ(dialog.表示, (std::vector<test::棋譜試験::メッセージ記録>{
                               {"棋譜ﾓｰﾄﾞではできません" + tail, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"},
                               {"対局途中ではできません" + tail, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"},
                               {"反転後ではできません" + tail, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"},
                               {tail, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"}}));
}

}  // namespace
}  // namespace yukora
