// The adapter that opens the sound library by name, and the program side on top of it.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "dynamic_sound_library.h"
#include "sound/fake_sound_library.h"
#include "sound/sound_setup.h"
#include "sounds.h"
#include "wav_image.h"

namespace yukora {
namespace {

namespace fs = std::filesystem;

TEST(動的サウンドライブラリ, 実行ファイルの隣のYukora将棋1を探す) {
    EXPECT_EQ(動的サウンドライブラリ::ファイル名(), "Yukora将棋1.so");
    const fs::path path = 動的サウンドライブラリ::既定のパス();
    EXPECT_EQ(path.filename(), "Yukora将棋1.so");
    EXPECT_EQ(path.parent_path(), fs::read_symlink("/proc/self/exe").parent_path());
    EXPECT_EQ(fs::path(SOUND_LIBRARY_PATH).filename(), "Yukora将棋1.so");
}

TEST(動的サウンドライブラリ, 本物のライブラリで一通り動く) {
    動的サウンドライブラリ lib(SOUND_LIBRARY_PATH);
    ASSERT_TRUE(lib.読込済み()) << lib.読込エラー();
    const std::int32_t library = lib.dsInitialize(0);
    ASSERT_NE(library, 0);

    std::vector<std::uint8_t> image = 音作成::WAV画像(音作成::合成_駒音());
    const std::int32_t click = lib.dsCreateDSB(library, image.data(), image.size(), 3);
    image.clear();
    image.shrink_to_fit();
    ASSERT_NE(click, 0);
    EXPECT_EQ(lib.dsPlay(click), 1);
    EXPECT_EQ(lib.dsPlayLooping(click), 1);
    EXPECT_EQ(lib.dsStop(click), 1);
    EXPECT_EQ(lib.dsFree(click), 1);
    EXPECT_EQ(lib.dsPlay(click), 0);

    EXPECT_EQ(lib.dsPlay(0), 0);
    EXPECT_EQ(lib.dsFree(0), 0);
    EXPECT_EQ(lib.dsTerminate(0), 0);
    EXPECT_EQ(lib.dsTerminate(library), 1);
}

TEST(動的サウンドライブラリ, 開くのは初めてのdsInitializeのとき) {
    if (dlopen(SOUND_LIBRARY_PATH, RTLD_NOW | RTLD_NOLOAD) != nullptr)
        GTEST_SKIP() << "already opened by an earlier test of this process";
    動的サウンドライブラリ lib(SOUND_LIBRARY_PATH);
    EXPECT_EQ(dlopen(SOUND_LIBRARY_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr);
    const std::int32_t library = lib.dsInitialize(0);
    EXPECT_NE(library, 0);
    EXPECT_NE(dlopen(SOUND_LIBRARY_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr);
    EXPECT_TRUE(lib.読込済み());
    lib.dsTerminate(library);
}

TEST(動的サウンドライブラリ, 無いライブラリは初期化できないだけ) {
    動的サウンドライブラリ lib(fs::path(RUN_DIR) / "no-such-dir" / "Yukora将棋1.so");
    EXPECT_FALSE(lib.読込済み());
    EXPECT_FALSE(lib.読込エラー().empty());
    EXPECT_EQ(lib.dsInitialize(0), 0);
    const std::uint8_t bytes[16] = {};
    EXPECT_EQ(lib.dsCreateDSB(1, bytes, sizeof bytes, 3), 0);
    EXPECT_EQ(lib.dsPlay(1), 0);
    EXPECT_EQ(lib.dsPlayLooping(1), 0);
    EXPECT_EQ(lib.dsStop(1), 0);
    EXPECT_EQ(lib.dsFree(1), 0);
    EXPECT_EQ(lib.dsTerminate(1), 0);
}

TEST(動的サウンドライブラリ, 関数が欠けたライブラリは無いのと同じ) {
    動的サウンドライブラリ lib(PARTIAL_LIBRARY_PATH);
    EXPECT_FALSE(lib.読込済み());
    EXPECT_NE(lib.読込エラー().find("dsTerminate"), std::string::npos);
    EXPECT_EQ(lib.dsInitialize(0), 0);
}

// The start-up and shut-down of the program with the library and the generated sounds.
TEST(サウンド一式, 生成した四つの音が本物のライブラリに読み込める) {
    動的サウンドライブラリ lib(SOUND_LIBRARY_PATH);
    sound_test::記録ダイアログ dialog;
    サウンド状態 s;
    サウンド初期化(s, lib, dialog, 0);
    読込_サウンド(s, lib, dialog, RUN_DIR);
    EXPECT_TRUE(dialog.表示記録.empty());
    EXPECT_NE(s.音_その他, 0);
    EXPECT_NE(s.音_禁止, 0);
    EXPECT_NE(s.音_駒打, 0);
    EXPECT_EQ(s.音_BGM, 0);  // made when the music is first switched on
    BGM開始(s, lib);
    EXPECT_NE(s.音_BGM, 0);
    EXPECT_EQ(lib.dsStop(s.音_BGM), 1);
    EXPECT_EQ(lib.dsPlayLooping(s.音_BGM), 1);
    EXPECT_EQ(lib.dsPlay(s.音_駒打), 1);
    解放_サウンド(s, lib);
    サウンド終了(s, lib);
    EXPECT_EQ(s.音_BGM, 0);
}

TEST(サウンド一式, ライブラリが無ければ一度だけ警告して音なしで続く) {
    動的サウンドライブラリ lib(fs::path(RUN_DIR) / "no-such-dir" / "Yukora将棋1.so");
    sound_test::記録ダイアログ dialog;
    サウンド状態 s;
    サウンド初期化(s, lib, dialog, 0);
    読込_サウンド(s, lib, dialog, RUN_DIR);
    解放_サウンド(s, lib);
    サウンド終了(s, lib);
    ASSERT_EQ(dialog.表示記録.size(), 1u);
    EXPECT_EQ(dialog.表示記録[0].text, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(dialog.表示記録[0].title, "Yukora将棋1.dll");
    EXPECT_EQ(s.音_その他 | s.音_禁止 | s.音_駒打 | s.音_BGM, 0);
}

}  // namespace
}  // namespace yukora
