// The zoom in the settings file: one more line after the four of the other options.
#include <gtest/gtest.h>

#include "settings/option_commands.h"
#include "settings/settings_fakes.h"
#include "settings/settings_file.h"
#include "support/temp_folder.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

class 表示倍率の設定 : public ::testing::Test {
protected:
    test::棋譜試験::一時フォルダ dir;
    test::設定試験::記録する背景 bg;
    test::設定試験::記録するBGM music;
    test::設定試験::記録する倍率窓 window;
    設定状態 st;
    int 背景画番号 = 0;

    void 置く(const std::string& utf8) { dir.置く(環境設定ファイル名, SJISへ変換(utf8).value()); }
    std::string ファイル() const {
        return SJISから変換(dir.読む(環境設定ファイル名)).value_or("?");
    }
    void 読む(int 初回 = 表示倍率_既定) {
        読込_環境設定ファイル(dir.場所(), st, 背景画番号, bg, music, 初回);
    }
};

TEST_F(表示倍率の設定, 行の値を読み知らない値やない行は百のまま) {
    const struct {
        const char* 行;
        int 倍率;
    } cases[] = {
        {"表示倍率=100", 100},    {"表示倍率=125", 125},        {"表示倍率=150", 150},
        {"表示倍率=200", 200},    {"表示倍率=250", 250},        {"表示倍率=300", 300},
        {"表示倍率=合わせる", 0}, {"表示倍率=175", 100},        {"表示倍率=0", 100},
        {"表示倍率=150 ", 100},   {"表示倍率=ウィンドウ", 100}, {"表示倍率=", 100},
        {"BGM=OFF", 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.行);
        st = {};
        置く(std::string("背景画=畳\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n") + c.行 +
             "\r\n");
        読む(300);  // a file is there: the first-start zoom plays no part
        EXPECT_EQ(st.印.表示倍率, c.倍率);
    }
}

TEST_F(表示倍率の設定, 四行のあとに五行目として書き四行はそのまま勢力表示は最後) {
    st.印.UCHU = true;
    st.印.TATAMI = false;
    st.印.BGM = true;
    const std::string 四行 = "背景画=宇宙\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=ON\r\n";
    for (const auto& [倍率, 行] : {std::pair{100, "表示倍率=100"},
                                   {125, "表示倍率=125"},
                                   {300, "表示倍率=300"},
                                   {0, "表示倍率=合わせる"}}) {
        st.印.表示倍率 = 倍率;
        書込_環境設定ファイル(dir.場所(), st);
        EXPECT_EQ(ファイル(), 四行 + 行 + "\r\n勢力表示=OFF\r\n");
        // And it reads back.
        設定状態 again;
        読込_環境設定ファイル(dir.場所(), again, 背景画番号, bg, music);
        EXPECT_EQ(again.印.表示倍率, 倍率);
    }
}

TEST_F(表示倍率の設定, ファイルがなければ初回の倍率で始めてファイルに残す) {
    読む(250);
    EXPECT_EQ(st.印.表示倍率, 250);
    EXPECT_EQ(ファイル(),
              "背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n表示倍率=250\r\n");
    // The next start reads it like any other choice.
    設定状態 next;
    読込_環境設定ファイル(dir.場所(), next, 背景画番号, bg, music, 100);
    EXPECT_EQ(next.印.表示倍率, 250);
}

TEST_F(表示倍率の設定, 倍率を選ぶと印を移しファイルに書き窓に伝える) {
    表示倍率_Click(st, 150, window, dir.場所());
    EXPECT_EQ(st.印.表示倍率, 150);
    EXPECT_EQ(
        ファイル(),
        "背景画=畳\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n表示倍率=150\r\n勢力表示=OFF\r\n");
    表示倍率_Click(st, 表示倍率_合わせる, window, dir.場所());
    表示倍率_Click(st, 表示倍率_合わせる, window, dir.場所());
    EXPECT_EQ(st.印.表示倍率, 表示倍率_合わせる);
    EXPECT_EQ(ファイル(),
              "背景画=畳\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n表示倍率="
              "合わせる\r\n勢力表示=OFF\r\n");
    EXPECT_EQ(window.倍率, (std::vector<int>{150, 0, 0}));
    EXPECT_TRUE(bg.描いた背景.empty());
}

}  // namespace
}  // namespace yukora
