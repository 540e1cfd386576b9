// Building blocks for the game's sounds: mono sample buffers and a few voices.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace yukora::音作成 {

inline constexpr int 標本化周波数 = 44100;

using 標本列 = std::vector<float>;

// Number of samples in `seconds`.
std::size_t 標本数(double seconds);

// The frequency of a MIDI note number (A4 = 69 = 440 Hz).
double 音高(int note);

// Where a voice lands in the buffer: from `start`, either cut at the end or, for a loop,
// wrapped round to the beginning so that the last sample flows into the first.
struct 配置 {
    std::size_t start = 0;
    bool wrap = false;
};

// A sine that rises over `attack` seconds and then decays exponentially with time
// constant `decay`; it lasts until it is 80 dB down.
void 加算_減衰正弦(標本列& out, 配置 at, double freq, double amp, double attack, double decay);

// A held sine with raised-cosine fade in and fade out, `length` seconds in all.
void 加算_持続正弦(標本列& out, 配置 at, double freq, double amp, double length, double fade);

// Deterministic white noise in [-1, 1).
class 雑音 {
public:
    explicit 雑音(std::uint32_t seed) : state_(seed) {}
    float 次();

private:
    std::uint32_t state_;
};

// Scales so that the largest magnitude is `peak`.
void 正規化(標本列& s, double peak);

// Fades in over the first `in` seconds and out over the last `out` seconds, linearly.
void 端フェード(標本列& s, double in, double out);

// Largest magnitude and root mean square.
double 最大値(const 標本列& s);
double 実効値(const 標本列& s);

}  // namespace yukora::音作成
