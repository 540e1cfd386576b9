// The sound library itself, on SDL's dummy audio driver.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>
#include <vector>

#include "ds_api.h"
#include "sounds.h"
#include "wav_image.h"

namespace {

using namespace yukora::音作成;
using namespace std::chrono_literals;

// Waits until the mixer plays `count` channels, or gives up after `limit`.
bool 再生数になる(int count, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (Mix_Playing(-1) != count) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// Five seconds of a quiet tone: long enough to be still playing while a test looks.
標本列 長い音() {
    標本列 s(標本数(5.0), 0.0f);
    加算_持続正弦(s, {0, false}, 440.0, 0.2, 5.0, 0.01);
    return s;
}

class 音ライブラリ : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = dsInitialize(0);
        ASSERT_NE(library_, 0) << "no audio device, even the dummy one";
    }
    void TearDown() override { dsTerminate(library_); }

    // A buffer made from the image, which is wiped right after the call.
    int32_t 作成(標本列 (*make)()) {
        std::vector<std::uint8_t> image = WAV画像(make());
        const int32_t b =
            dsCreateDSB(library_, image.data(), static_cast<uint32_t>(image.size()), 3);
        std::fill(image.begin(), image.end(), 0xAA);
        return b;
    }

    int32_t library_ = 0;
};

TEST_F(音ライブラリ, 一回再生は鳴り終われば止まる) {
    const int32_t click = 作成(合成_駒音);
    ASSERT_NE(click, 0);
    EXPECT_EQ(dsPlay(click), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_TRUE(再生数になる(0, 3000ms));
    EXPECT_EQ(dsFree(click), 1);
    EXPECT_EQ(dsPlay(click), 0);
    EXPECT_EQ(dsFree(click), 0);
}

TEST_F(音ライブラリ, ループ再生は止めるまで続く) {
    const int32_t buzz = 作成(合成_ブザー);  // 0.35 s
    ASSERT_NE(buzz, 0);
    EXPECT_EQ(dsPlayLooping(buzz), 1);
    std::this_thread::sleep_for(1000ms);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(dsStop(buzz), 1);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(dsFree(buzz), 1);
}

TEST_F(音ライブラリ, 効果音は互いにも音楽にも重なって鳴る) {
    const int32_t music = 作成(合成_BGM);
    const int32_t chime = 作成(長い音);
    const int32_t click = 作成(長い音);
    ASSERT_TRUE(music != 0 && chime != 0 && click != 0);
    EXPECT_NE(music, chime);
    EXPECT_NE(chime, click);

    dsPlayLooping(music);
    dsPlay(chime);
    dsPlay(click);
    EXPECT_EQ(Mix_Playing(-1), 3);
    dsPlay(click);  // again: starts over, still one voice
    EXPECT_EQ(Mix_Playing(-1), 3);
    dsStop(music);
    EXPECT_EQ(Mix_Playing(-1), 2);
    dsFree(chime);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(音ライブラリ, ハンドル0ではどれも何もしない) {
    const int32_t chime = 作成(合成_チャイム);
    std::vector<std::uint8_t> image = WAV画像(合成_駒音());
    EXPECT_EQ(dsCreateDSB(0, image.data(), static_cast<uint32_t>(image.size()), 3), 0);
    EXPECT_EQ(dsPlay(0), 0);
    EXPECT_EQ(dsPlayLooping(0), 0);
    EXPECT_EQ(dsStop(0), 0);
    EXPECT_EQ(dsFree(0), 0);
    EXPECT_EQ(dsTerminate(0), 0);
    EXPECT_EQ(Mix_Playing(-1), 0);
    // The library is still open and the buffer still plays.
    EXPECT_EQ(dsPlay(chime), 1);
}

TEST_F(音ライブラリ, 壊れた画像からは作らない) {
    std::vector<std::uint8_t> image = WAV画像(合成_駒音());
    const auto size = static_cast<uint32_t>(image.size());
    EXPECT_EQ(dsCreateDSB(library_, nullptr, size, 3), 0);
    EXPECT_EQ(dsCreateDSB(library_, image.data(), 0, 3), 0);
    EXPECT_EQ(dsCreateDSB(library_, image.data(), 12, 3), 0);  // the RIFF header alone
    std::vector<std::uint8_t> garbage(4096);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<std::uint8_t>(i * 37 + 11);
    EXPECT_EQ(dsCreateDSB(library_, garbage.data(), 4096, 3), 0);
    std::vector<std::uint8_t> bad_format = image;
    bad_format[20] = 0x55;  // format tag: no such encoding
    EXPECT_EQ(dsCreateDSB(library_, bad_format.data(), size, 3), 0);
    std::vector<std::uint8_t> not_wave = image;
    not_wave[8] = 'X';
    EXPECT_EQ(dsCreateDSB(library_, not_wave.data(), size, 3), 0);
    // A wrong library handle is refused too.
    EXPECT_EQ(dsCreateDSB(library_ + 1, image.data(), size, 3), 0);
    EXPECT_NE(dsCreateDSB(library_, image.data(), size, 3), 0);
}

TEST_F(音ライブラリ, 使わない関数は何もしない) {
    const int32_t chime = 作成(合成_チャイム);
    EXPECT_EQ(dsCreateResDSB(library_, "その他", 3), 0);
    EXPECT_EQ(dsPlayPan(chime, 100), 0);
    EXPECT_EQ(dsPlayEx(chime, 0, 0, 22050), 0);
    EXPECT_EQ(dsPlayLoopingEx(chime, 0, 0, 22050), 0);
    EXPECT_EQ(dsSetVolume(chime, -100), 0);
    EXPECT_EQ(dsSetPan(chime, 0), 0);
    EXPECT_EQ(dsSetFrequency(chime, 11025), 0);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST(音ライブラリ終了, 終了後の古いハンドルは効かず開き直せる) {
    const int32_t first = dsInitialize(0);
    ASSERT_NE(first, 0);
    EXPECT_EQ(dsInitialize(0), first);  // already open: the same library
    std::vector<std::uint8_t> image = WAV画像(合成_チャイム());
    const int32_t chime = dsCreateDSB(first, image.data(), static_cast<uint32_t>(image.size()), 3);
    ASSERT_NE(chime, 0);
    EXPECT_EQ(dsTerminate(first), 1);
    EXPECT_EQ(dsTerminate(first), 0);
    EXPECT_EQ(dsPlay(chime), 0);
    EXPECT_EQ(dsFree(chime), 0);

    const int32_t second = dsInitialize(0);
    ASSERT_NE(second, 0);
    EXPECT_NE(second, first);
    EXPECT_EQ(dsCreateDSB(first, image.data(), static_cast<uint32_t>(image.size()), 3), 0);
    EXPECT_EQ(dsPlay(chime), 0);
    EXPECT_EQ(dsTerminate(second), 1);
}

TEST(音ライブラリ開始, 終了のシグナルはプログラムに任せる) {
    // SDL would take SIGINT and SIGTERM for its quit events while the device is open.
    const int signals[] = {SIGINT, SIGTERM};
    struct sigaction before[2], during[2];
    for (int i = 0; i < 2; ++i) sigaction(signals[i], nullptr, &before[i]);
    const int32_t library = dsInitialize(0);
    ASSERT_NE(library, 0);
    for (int i = 0; i < 2; ++i) sigaction(signals[i], nullptr, &during[i]);
    dsTerminate(library);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(during[i].sa_handler, before[i].sa_handler) << "signal " << signals[i];
}

}  // namespace
