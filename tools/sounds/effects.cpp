#include <cmath>

#include "sounds.h"

namespace yukora::音作成 {

namespace {

// A small bell: a few partials, the higher ones dying sooner.
void 加算_鈴(標本列& out, 配置 at, double freq, double amp) {
    struct 部分音 {
        double ratio, level, decay;
    };
    constexpr 部分音 partials[] = {
        {1.0, 1.0, 0.45}, {2.0, 0.25, 0.25}, {2.76, 0.12, 0.15}, {4.07, 0.05, 0.08}};
    for (const 部分音& p : partials)
        加算_減衰正弦(out, at, freq * p.ratio, amp * p.level, 0.008, p.decay);
}

}  // namespace

標本列 合成_チャイム() {
    標本列 s(標本数(1.4), 0.0f);
    加算_鈴(s, {0, false}, 音高(81), 1.0);             // A5
    加算_鈴(s, {標本数(0.14), false}, 音高(88), 0.8);  // E6
    端フェード(s, 0.001, 0.03);
    正規化(s, 0.5);
    return s;
}

標本列 合成_ブザー() {
    // Two square waves a semitone's fraction apart beat against each other; odd harmonics
    // only up to 4 kHz, so nothing aliases.
    標本列 s(標本数(0.35), 0.0f);
    for (const double base : {98.0, 103.8}) {
        for (int n = 1; n * base < 4000; n += 2)
            加算_持続正弦(s, {0, false}, base * n, 1.0 / n, 0.35, 0.012);
    }
    端フェード(s, 0.001, 0.001);
    正規化(s, 0.4);
    return s;
}

標本列 合成_駒音() {
    標本列 s(標本数(0.22), 0.0f);
    // The hard edge of the impact: a brief burst of noise, smoothed a little.
    雑音 noise(0x6b6f6d61u);
    const std::size_t burst = 標本数(0.006);
    float smooth = 0;
    for (std::size_t i = 0; i < burst; ++i) {
        smooth += 0.5f * (noise.次() - smooth);
        s[i] +=
            0.6f * smooth * static_cast<float>(std::exp(-static_cast<double>(i) / 標本数(0.0012)));
    }
    // The ring of the piece and the board: short wooden modes and a low body.
    struct 振動 {
        double freq, level, decay;
    };
    constexpr 振動 modes[] = {{180, 0.55, 0.030},  {610, 0.45, 0.022},  {1120, 0.8, 0.018},
                              {1790, 0.55, 0.012}, {2630, 0.35, 0.008}, {3900, 0.2, 0.005}};
    for (const 振動& m : modes) 加算_減衰正弦(s, {0, false}, m.freq, m.level, 0.0004, m.decay);
    端フェード(s, 0.0003, 0.01);
    正規化(s, 0.85);
    return s;
}

}  // namespace yukora::音作成
