#include "sound/sound_setup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "sound/fake_sound_library.h"

namespace yukora {
namespace {

using sound_test::呼出;
using sound_test::記録サウンドライブラリ;
using sound_test::記録ダイアログ;
namespace fs = std::filesystem;

// A fresh folder holding the given files, each containing its own name.
class 音フォルダ {
public:
    explicit 音フォルダ(std::initializer_list<const char*> names)
        : path_(fs::temp_directory_path() /
                ("yukora-sound-" + std::to_string(::getpid()) + "-" + std::to_string(++count_))) {
        fs::create_directories(path_);
        for (const char* name : names) std::ofstream(path_ / name, std::ios::binary) << name;
    }
    ~音フォルダ() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    static inline int count_ = 0;
    fs::path path_;
};

std::vector<std::uint8_t> バイト(const std::string& s) { return {s.begin(), s.end()}; }

TEST(サウンド初期化, 失敗すると一度だけ警告し以後は黙って無音) {
    記録サウンドライブラリ lib;
    lib.初期化結果 = 0;
    記録ダイアログ dialog;
    サウンド状態 s;
    音フォルダ folder{"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};

    サウンド初期化(s, lib, dialog, 0);
    読込_サウンド(s, lib, dialog, folder.path());

    ASSERT_EQ(dialog.表示記録.size(), 1u);
    EXPECT_EQ(dialog.表示記録[0].text, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(dialog.表示記録[0].title, "Yukora将棋1.dll");
    EXPECT_TRUE(lib.画像.empty());
    EXPECT_EQ(s.音_その他 | s.音_禁止 | s.音_駒打 | s.音_BGM, 0);
}

TEST(読込_サウンド, 四つの音を決まった順とフラグで丸ごと渡し音楽は初めて鳴らすときに) {
    記録サウンドライブラリ lib;
    記録ダイアログ dialog;
    サウンド状態 s;
    音フォルダ folder{"BGM.wav", "駒打音.wav", "禁止.wav", "その他.wav"};
    サウンド初期化(s, lib, dialog, 0);

    読込_サウンド(s, lib, dialog, folder.path());
    ASSERT_EQ(lib.画像.size(), 3u);
    EXPECT_EQ(s.音_BGM, 0);
    EXPECT_EQ(s.BGM画像, バイト("BGM.wav"));
    BGM開始(s, lib);
    BGM開始(s, lib);

    ASSERT_EQ(lib.画像.size(), 4u);
    EXPECT_EQ(lib.画像[0], バイト("その他.wav"));
    EXPECT_EQ(lib.画像[1], バイト("禁止.wav"));
    EXPECT_EQ(lib.画像[2], バイト("駒打音.wav"));
    EXPECT_EQ(lib.画像[3], バイト("BGM.wav"));
    EXPECT_EQ(lib.フラグ, (std::vector<std::int32_t>{3, 3, 3, 1}));
    EXPECT_EQ(s.音_その他, 101);
    EXPECT_EQ(s.音_禁止, 102);
    EXPECT_EQ(s.音_駒打, 103);
    EXPECT_EQ(s.音_BGM, 104);
    EXPECT_TRUE(s.BGM画像.empty());
    for (const 呼出& c : lib.呼出記録) {
        if (c.関数 == "dsCreateDSB") {
            EXPECT_EQ(c.handle, 7);
        }
    }
    EXPECT_TRUE(dialog.表示記録.empty());
}

TEST(読込_サウンド, 読めない音楽も読込のときに順に警告する) {
    記録サウンドライブラリ lib;
    記録ダイアログ dialog;
    サウンド状態 s;
    音フォルダ folder{"禁止.wav"};
    // Reading the process's own memory from offset 0 fails with an I/O error.
    for (const char* name : {"その他.wav", "BGM.wav"})
        fs::create_symlink("/proc/self/mem", folder.path() / name);
    サウンド初期化(s, lib, dialog, 0);

    読込_サウンド(s, lib, dialog, folder.path());
    ASSERT_EQ(dialog.表示記録.size(), 2u);
    EXPECT_EQ(dialog.表示記録[0].text, dialog.表示記録[1].text);
    EXPECT_EQ(lib.画像, (std::vector<std::vector<std::uint8_t>>{バイト("禁止.wav")}));
    BGM開始(s, lib);
    EXPECT_EQ(lib.画像.size(), 1u);
    EXPECT_EQ(lib.呼出記録.back(), (呼出{"dsPlayLooping", 0}));
}

TEST(読込_サウンド, 無いファイルはバッファ0で何も言わない) {
    記録サウンドライブラリ lib;
    記録ダイアログ dialog;
    サウンド状態 s;
    音フォルダ folder{"その他.wav", "駒打音.wav"};
    fs::create_directory(folder.path() / "BGM.wav");  // a folder is not a sound file
    サウンド初期化(s, lib, dialog, 0);

    読込_サウンド(s, lib, dialog, folder.path());

    EXPECT_NE(s.音_その他, 0);
    EXPECT_EQ(s.音_禁止, 0);
    EXPECT_NE(s.音_駒打, 0);
    EXPECT_EQ(s.音_BGM, 0);
    EXPECT_EQ(lib.画像.size(), 2u);
    EXPECT_TRUE(dialog.表示記録.empty());
}

TEST(読込_サウンドファイル, 読めないファイルはシステムの文言で警告して0) {
    記録サウンドライブラリ lib;
    記録ダイアログ dialog;
    サウンド状態 s;
    サウンド初期化(s, lib, dialog, 0);

    // Reading the process's own memory from offset 0 fails with an I/O error.
    EXPECT_EQ(読込_サウンドファイル(s, lib, dialog, "/proc/self/mem", 3), 0);

    ASSERT_EQ(dialog.表示記録.size(), 1u);
    EXPECT_FALSE(dialog.表示記録[0].text.empty());
    EXPECT_EQ(dialog.表示記録[0].title, "Yukora将棋1.dll");
    EXPECT_TRUE(lib.画像.empty());
}

TEST(サウンド後始末, 読込んだ順に解放してからライブラリを閉じる) {
    記録サウンドライブラリ lib;
    記録ダイアログ dialog;
    サウンド状態 s;
    音フォルダ folder{"その他.wav", "禁止.wav", "BGM.wav"};
    サウンド初期化(s, lib, dialog, 0);
    読込_サウンド(s, lib, dialog, folder.path());
    BGM開始(s, lib);
    lib.呼出記録.clear();

    解放_サウンド(s, lib);
    サウンド終了(s, lib);

    const std::vector<呼出> expected = {
        {"dsFree", 101}, {"dsFree", 102}, {"dsFree", 0}, {"dsFree", 103}, {"dsTerminate", 7}};
    EXPECT_EQ(lib.呼出記録, expected);
    EXPECT_EQ(s.ライブラリ, 0);
}

TEST(サウンド後始末, 鳴らさなかった音楽は作らずに手放す) {
    記録サウンドライブラリ lib;
    記録ダイアログ dialog;
    サウンド状態 s;
    音フォルダ folder{"BGM.wav"};
    サウンド初期化(s, lib, dialog, 0);
    読込_サウンド(s, lib, dialog, folder.path());
    lib.呼出記録.clear();

    解放_サウンド(s, lib);
    サウンド終了(s, lib);
    BGM開始(s, lib);

    const std::vector<呼出> expected = {{"dsFree", 0}, {"dsFree", 0},      {"dsFree", 0},
                                        {"dsFree", 0}, {"dsTerminate", 7}, {"dsPlayLooping", 0}};
    EXPECT_EQ(lib.呼出記録, expected);
    EXPECT_TRUE(lib.画像.empty());
    EXPECT_TRUE(s.BGM画像.empty());
}

TEST(サウンド後始末, ライブラリが開けていなければ閉じない) {
    記録サウンドライブラリ lib;
    lib.初期化結果 = 0;
    記録ダイアログ dialog;
    サウンド状態 s;
    サウンド初期化(s, lib, dialog, 0);
    lib.呼出記録.clear();

    解放_サウンド(s, lib);
    サウンド終了(s, lib);

    const std::vector<呼出> expected = {{"dsFree", 0}, {"dsFree", 0}, {"dsFree", 0}, {"dsFree", 0}};
    EXPECT_EQ(lib.呼出記録, expected);
}

TEST(音再生, 名前の音のバッファをそのまま渡す) {
    記録サウンドライブラリ lib;
    サウンド状態 s;
    s.音_その他 = 11;
    s.音_禁止 = 0;  // missing: still passed on, the library ignores it
    s.音_駒打 = 13;
    s.音_BGM = 14;

    音再生(s, lib, 音::駒打);
    音再生(s, lib, 音::禁止);
    音再生(s, lib, 音::その他);
    BGM開始(s, lib);
    BGM停止(s, lib);

    const std::vector<呼出> expected = {
        {"dsPlay", 13}, {"dsPlay", 0}, {"dsPlay", 11}, {"dsPlayLooping", 14}, {"dsStop", 14}};
    EXPECT_EQ(lib.呼出記録, expected);
}

}  // namespace
}  // namespace yukora
