// The program installed: sounds from the data folder, the settings file in the settings folder,
// the record panel in the records folder, and nothing written beside the data.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "settings/settings_state.h"
#include "sound/fake_sound_library.h"
#include "textfile/sjis.h"
#include "window/app.h"

namespace yukora::window {
namespace {

namespace fs = std::filesystem;

std::string 中身(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return SJISから変換(std::string(std::istreambuf_iterator<char>(in), {})).value_or("?");
}

class 窓アプリ置き場 : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/yukora-places-XXXXXX";
        root = mkdtemp(pattern);
        データ = root / "share" / "yukora-shogi";
        設定 = root / "config" / "yukora-shogi";
        棋譜 = root / "records";
        for (const fs::path& f : {データ, 設定, 棋譜}) fs::create_directories(f);
        std::ofstream(データ / "駒打音.wav", std::ios::binary) << "RIFF-piece";
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root;
    fs::path データ, 設定, 棋譜;
};

TEST_F(窓アプリ置き場, 音はデータから設定は設定フォルダへ棋譜パネルは棋譜フォルダから) {
    auto sound = std::make_unique<sound_test::記録サウンドライブラリ>();
    sound_test::記録サウンドライブラリ& lib = *sound;
    {
        窓アプリ app(1.0, 置き場{データ, root / "lib", 設定, 棋譜, true}, std::move(sound));
        app.開始();
        app.対局().サウンド準備();  // as after the window's first paint
        ASSERT_EQ(lib.画像.size(), 1u);
        EXPECT_EQ(std::string(lib.画像[0].begin(), lib.画像[0].end()), "RIFF-piece");
        // Missing at the first start: written with the reading defaults.
        EXPECT_EQ(中身(設定 / 環境設定ファイル名),
                  "背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n表示倍率=100\r\n");
        app.窓().項目("SIDOU")->trigger();
        EXPECT_EQ(中身(設定 / 環境設定ファイル名),
                  "背景画=竹\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=OFF\r\n表示倍率=100\r\n勢力表示="
                  "OFF\r\n");
        EXPECT_EQ(app.棋譜パネル().File1フォルダ(), 棋譜.string());
    }
    EXPECT_FALSE(fs::exists(データ / 環境設定ファイル名));
    EXPECT_FALSE(fs::exists(棋譜 / 環境設定ファイル名));
}

TEST_F(窓アプリ置き場, 設定フォルダに置けなくても既定で始まる) {
    窓アプリ app(1.0, 置き場{データ, root / "lib", 置けない場所, 棋譜, true},
                 std::make_unique<sound_test::記録サウンドライブラリ>());
    app.開始();
    EXPECT_TRUE(app.窓().項目("TAKE")->isChecked());
    EXPECT_TRUE(app.窓().項目("KEIKA")->isChecked());
    app.窓().項目("SIDOU")->trigger();  // cannot be kept; the option holds for this run
    EXPECT_TRUE(app.窓().項目("SIDOU")->isChecked());
    EXPECT_FALSE(fs::exists(データ / 環境設定ファイル名));
}

}  // namespace
}  // namespace yukora::window
