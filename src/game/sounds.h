// The game's sounds, by what they mean; the sound subsystem plays them.
#pragma once

namespace yukora {

enum class 音 {
    その他,  // "その他.wav": the version dialog opens
    禁止,    // "禁止.wav": an action is refused
    駒打,    // "駒打音.wav": a piece is put down
    BGM,     // "BGM.wav": the background music, looping
};

// Plays a sound effect.
class 効果音 {
public:
    virtual ~効果音() = default;
    virtual void 鳴らす(音 which) = 0;
};

}  // namespace yukora
