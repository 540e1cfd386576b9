#include <array>
#include <cmath>

#include "sounds.h"

namespace yukora::音作成 {

namespace {

constexpr double 拍秒 = 1.0;  // 60 beats a minute
constexpr int 小節拍数 = 4;
constexpr int 小節数 = 8;
constexpr double 曲秒 = 拍秒 * 小節拍数 * 小節数;

// Note numbers of the in-scale on E: E F A B C.
enum : int { B3 = 59, C4 = 60, E4 = 64, F4 = 65, A4 = 69, B4 = 71, C5 = 72, E5 = 76 };

struct 音符 {
    int note;
    double beats;
};

// The melody, bar after bar; every bar adds up to four beats.
constexpr 音符 旋律[] = {
    {E4, 1},  {F4, .5}, {A4, .5}, {B4, 2},                      // 1
    {A4, .5}, {B4, .5}, {C5, 1},  {B4, .5}, {A4, .5}, {F4, 1},  // 2
    {E4, 1},  {C4, .5}, {E4, .5}, {F4, 2},                      // 3
    {E4, 1},  {B3, 1},  {E4, 2},                                // 4
    {A4, 1},  {C5, .5}, {B4, .5}, {A4, 2},                      // 5
    {F4, .5}, {A4, .5}, {B4, 1},  {C5, 1},  {E5, 1},            // 6
    {C5, .5}, {B4, .5}, {A4, 1},  {F4, 1},  {E4, 1},            // 7
    {F4, .5}, {E4, .5}, {B3, 1},  {E4, 2},                      // 8
};

constexpr double 合計拍数() {
    double sum = 0;
    for (const 音符& m : 旋律) sum += m.beats;
    return sum;
}
static_assert(合計拍数() == 小節拍数 * 小節数, "the melody fills the loop exactly");

// The drone under every two bars: a bare fifth, E, A, F, E (the F to E closing the loop).
constexpr std::array<std::array<int, 2>, 4> 和音 = {{{52, 59}, {45, 52}, {41, 48}, {52, 59}}};

// A plucked koto string: harmonics that are slightly stretched, weighted by the pluck
// point, the higher ones fading first.
void 加算_琴(標本列& out, double at_seconds, int note, double amp) {
    const double f = 音高(note);
    const double sustain = 1.8 * std::sqrt(220.0 / f);
    for (int n = 1; n <= 9; ++n) {
        const double stretch = 1.0 + 0.0003 * n * n;
        const double weight = std::fabs(std::sin(n * 0.23 * 3.14159265)) / std::pow(n, 1.3);
        加算_減衰正弦(out, {標本数(at_seconds), true}, f * n * stretch, amp * weight, 0.003,
                      sustain / (1.0 + 0.7 * (n - 1)));
    }
}

// A soft, slightly beating organ-like chord that swells in and out over `length`.
void 加算_笙(標本列& out, double at_seconds, int note, double length, double amp) {
    const double f = 音高(note);
    const 配置 at{標本数(at_seconds), true};
    加算_持続正弦(out, at, f, amp, length, 2.5);
    加算_持続正弦(out, at, f * 1.0025, amp * 0.6, length, 2.5);
    加算_持続正弦(out, at, f * 2.0, amp * 0.2, length, 2.5);
    加算_持続正弦(out, at, f * 3.0, amp * 0.06, length, 2.5);
}

// A temple bell struck softly at the top of the loop.
void 加算_りん(標本列& out, double at_seconds, double freq, double amp) {
    constexpr std::array<std::array<double, 3>, 4> partials = {
        {{1.0, 1.0, 3.0}, {2.76, 0.4, 1.6}, {5.40, 0.15, 0.8}, {8.93, 0.06, 0.4}}};
    for (const auto& p : partials)
        加算_減衰正弦(out, {標本数(at_seconds), true}, freq * p[0], amp * p[1], 0.004, p[2]);
}

// Echoes of the melody, taken round the loop so that the seam stays continuous.
void 加算_残響(標本列& out, const 標本列& dry) {
    constexpr std::array<std::array<double, 2>, 3> taps = {
        {{0.25, 0.28}, {0.5, 0.14}, {0.75, 0.07}}};
    const std::size_t n = out.size();
    for (const auto& tap : taps) {
        const std::size_t d = 標本数(tap[0]);
        for (std::size_t i = 0; i < n; ++i) out[(i + d) % n] += static_cast<float>(tap[1]) * dry[i];
    }
}

}  // namespace

標本列 合成_BGM() {
    const std::size_t n = 標本数(曲秒);
    標本列 melody(n, 0.0f);
    double t = 0;
    int i = 0;
    for (const 音符& m : 旋律) {
        // A touch of accent on the beat, softer off it.
        const bool on_beat = std::fmod(t, 拍秒) == 0;
        加算_琴(melody, t, m.note, on_beat ? 1.0 : 0.8 - 0.05 * (i++ % 3));
        t += m.beats * 拍秒;
    }
    標本列 mix = melody;
    加算_残響(mix, melody);

    const double bar = 拍秒 * 小節拍数;
    for (int b = 0; b < 小節数; ++b) {
        const auto& chord = 和音[static_cast<std::size_t>(b / 2)];
        加算_琴(mix, b * bar, chord[0], 0.45);
        加算_琴(mix, b * bar + 2 * 拍秒, chord[1], 0.35);
    }
    for (int k = 0; k < 4; ++k) {
        const auto& chord = 和音[static_cast<std::size_t>(k)];
        // Each chord swells in before its two bars and fades out after them.
        for (const int note : chord) 加算_笙(mix, k * 2 * bar, note, 2 * bar + 2.5, 0.22);
    }
    加算_りん(mix, 0.0, 音高(E5), 0.35);

    正規化(mix, 0.35);
    return mix;
}

}  // namespace yukora::音作成
