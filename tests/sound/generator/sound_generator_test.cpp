// The synthesised sounds: their encoding, length, level and the music's seam.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

#include "sounds.h"
#include "wav_image.h"

namespace {

using namespace yukora::音作成;

std::uint32_t 読込_整数(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

double 秒(const 標本列& s) { return static_cast<double>(s.size()) / 標本化周波数; }

// Power-weighted mean frequency of the samples from `from` seconds on, over 0.1 s.
double 重心周波数(const 標本列& s, double from) {
    const std::size_t start = 標本数(from), n = 標本数(0.1);
    double weighted = 0, total = 0;
    for (double f = 25; f <= 8000; f += 25) {
        double re = 0, im = 0;
        for (std::size_t i = 0; i < n && start + i < s.size(); ++i) {
            const double a = 2 * std::numbers::pi * f * static_cast<double>(i) / 標本化周波数;
            re += s[start + i] * std::cos(a);
            im += s[start + i] * std::sin(a);
        }
        const double power = re * re + im * im;
        weighted += f * power;
        total += power;
    }
    return weighted / total;
}

TEST(WAV画像, 16ビットモノラルPCMのRIFF) {
    const 標本列 s = {0.0f, 1.0f, -1.0f, 2.0f, -0.5f};
    const std::vector<std::uint8_t> b = WAV画像(s);
    ASSERT_EQ(b.size(), 44u + 10u);
    EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0);
    EXPECT_EQ(読込_整数(b, 4, 4), b.size() - 8);
    EXPECT_EQ(std::memcmp(b.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(読込_整数(b, 20, 2), 1u);  // PCM
    EXPECT_EQ(読込_整数(b, 22, 2), 1u);  // one channel
    EXPECT_EQ(読込_整数(b, 24, 4), 44100u);
    EXPECT_EQ(読込_整数(b, 28, 4), 88200u);
    EXPECT_EQ(読込_整数(b, 32, 2), 2u);
    EXPECT_EQ(読込_整数(b, 34, 2), 16u);
    EXPECT_EQ(std::memcmp(b.data() + 36, "data", 4), 0);
    EXPECT_EQ(読込_整数(b, 40, 4), 10u);
    EXPECT_EQ(読込_整数(b, 46, 2), 32767u);
    EXPECT_EQ(読込_整数(b, 48, 2), 0x8001u);  // -32767
    EXPECT_EQ(読込_整数(b, 50, 2), 32767u);   // clipped, not wrapped
    EXPECT_EQ(読込_整数(b, 52, 2), static_cast<std::uint32_t>(0x10000 - 16384));
}

TEST(効果音, 短く切れ目なく始まり終わり割れない) {
    struct 期待 {
        標本列 (*make)();
        double shortest, longest;
    };
    for (const 期待& e :
         {期待{合成_チャイム, 0.8, 2.0}, 期待{合成_ブザー, 0.2, 0.6}, 期待{合成_駒音, 0.08, 0.4}}) {
        const 標本列 s = e.make();
        EXPECT_GE(秒(s), e.shortest);
        EXPECT_LE(秒(s), e.longest);
        EXPECT_LE(最大値(s), 0.9);
        EXPECT_GE(最大値(s), 0.3);
        EXPECT_LT(std::fabs(s.front()), 0.01);
        EXPECT_LT(std::fabs(s.back()), 0.01);
    }
}

TEST(効果音, ブザーは低くチャイムと駒音は高い) {
    EXPECT_LT(重心周波数(合成_ブザー(), 0.1), 400);
    EXPECT_GT(重心周波数(合成_チャイム(), 0.02), 800);
    EXPECT_GT(重心周波数(合成_駒音(), 0.0), 800);
}

TEST(効果音, 駒音は一瞬で立ち上がりすぐ消える) {
    const 標本列 s = 合成_駒音();
    double early = 0;
    for (std::size_t i = 0; i < 標本数(0.005); ++i)
        early = std::max(early, std::fabs(double(s[i])));
    EXPECT_GT(early, 0.5 * 最大値(s));
    const 標本列 tail(s.begin() + static_cast<long>(標本数(0.15)), s.end());
    EXPECT_LT(最大値(tail), 0.05);
}

TEST(BGM, 二十から四十秒で割れず同じものが毎回できる) {
    const 標本列 s = 合成_BGM();
    EXPECT_GE(秒(s), 20.0);
    EXPECT_LE(秒(s), 40.0);
    EXPECT_LE(最大値(s), 0.9);
    EXPECT_GT(実効値(s), 0.05);
    EXPECT_EQ(s, 合成_BGM());
}

TEST(BGM, 継ぎ目で音が跳ばず途切れない) {
    const 標本列 s = 合成_BGM();
    double sum = 0;
    for (std::size_t i = 1; i < s.size(); ++i) sum += std::pow(double(s[i]) - s[i - 1], 2);
    const double step_rms = std::sqrt(sum / static_cast<double>(s.size() - 1));
    EXPECT_LE(std::fabs(double(s.front()) - s.back()), 4 * step_rms);

    const std::size_t half = 標本数(0.5);
    const 標本列 head(s.begin(), s.begin() + static_cast<long>(half));
    const 標本列 last(s.end() - static_cast<long>(half), s.end());
    EXPECT_GT(実効値(head), 0.3 * 実効値(s));
    EXPECT_GT(実効値(last), 0.3 * 実効値(s));
}

}  // namespace
