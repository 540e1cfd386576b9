// Sound effects named by their file ("禁止.wav", "駒打音.wav"); the sound subsystem plays them.
#pragma once

namespace yukora {

inline constexpr const char* 音名_禁止 = "禁止.wav";
inline constexpr const char* 音名_駒打 = "駒打音.wav";

class 効果音 {
public:
    virtual ~効果音() = default;
    virtual void 鳴らす(const char* name) = 0;
};

}  // namespace yukora
