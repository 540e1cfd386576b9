#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace yukora::音作成 {

namespace {

constexpr double 二π = 2 * std::numbers::pi;

// Adds `value` at `start + i`, wrapping or dropping what falls past the end.
inline void 加算(標本列& out, 配置 at, std::size_t i, double value) {
    std::size_t k = at.start + i;
    if (k >= out.size()) {
        if (!at.wrap || out.empty()) return;
        k %= out.size();
    }
    out[k] += static_cast<float>(value);
}

}  // namespace

std::size_t 標本数(double seconds) {
    return static_cast<std::size_t>(std::llround(seconds * 標本化周波数));
}

double 音高(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// A sine by rotation: one complex multiplication a sample instead of a call to sin.
class 発振器 {
public:
    explicit 発振器(double freq)
        : c_(std::cos(二π * freq / 標本化周波数)), s_(std::sin(二π * freq / 標本化周波数)) {}
    double 次() {
        const double out = y_;
        const double x = x_ * c_ - y_ * s_;
        y_ = x_ * s_ + y_ * c_;
        x_ = x;
        return out;
    }

private:
    double c_, s_;
    double x_ = 1, y_ = 0;
};

void 加算_減衰正弦(標本列& out, 配置 at, double freq, double amp, double attack, double decay) {
    const double length = attack + decay * std::log(1e4);  // 80 dB down
    const std::size_t room = at.wrap ? out.size() : out.size() - std::min(out.size(), at.start);
    const std::size_t n = std::min(標本数(length), room);
    const std::size_t rise = std::max<std::size_t>(1, 標本数(attack));
    const double fall = std::exp(-1.0 / (decay * 標本化周波数));
    発振器 osc(freq);
    double env = 1.0;
    for (std::size_t i = 0; i < n; ++i) {
        double e = env;
        if (i < rise) {
            e = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / rise);
        } else {
            env *= fall;
        }
        加算(out, at, i, amp * e * osc.次());
    }
}

void 加算_持続正弦(標本列& out, 配置 at, double freq, double amp, double length, double fade) {
    const std::size_t n = 標本数(length);
    const std::size_t ramp = std::max<std::size_t>(1, 標本数(fade));
    発振器 osc(freq);
    for (std::size_t i = 0; i < n; ++i) {
        double env = 1.0;
        if (i < ramp) env = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / ramp);
        if (n - i <= ramp)
            env = std::min(
                env, 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(n - i) / ramp));
        加算(out, at, i, amp * env * osc.次());
    }
}

float 雑音::次() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>(state_ >> 8) / static_cast<float>(1u << 23) - 1.0f;
}

void 正規化(標本列& s, double peak) {
    const double m = 最大値(s);
    if (m <= 0) return;
    const float g = static_cast<float>(peak / m);
    for (float& v : s) v *= g;
}

void 端フェード(標本列& s, double in, double out) {
    const std::size_t a = std::min(標本数(in), s.size() / 2);
    const std::size_t b = std::min(標本数(out), s.size() / 2);
    for (std::size_t i = 0; i < a; ++i) s[i] *= static_cast<float>(i) / static_cast<float>(a);
    for (std::size_t i = 0; i < b; ++i)
        s[s.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(b);
}

double 最大値(const 標本列& s) {
    double m = 0;
    for (float v : s) m = std::max(m, static_cast<double>(std::fabs(v)));
    return m;
}

double 実効値(const 標本列& s) {
    if (s.empty()) return 0;
    double sum = 0;
    for (float v : s) sum += static_cast<double>(v) * v;
    return std::sqrt(sum / static_cast<double>(s.size()));
}

}  // namespace yukora::音作成
