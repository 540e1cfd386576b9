// The handles of the sound library and of the four sounds, 0 while missing.
#pragma once
#include <cstdint>

namespace yukora {

struct サウンド状態 {
    std::int32_t ライブラリ = 0;
    std::int32_t 音_その他 = 0;  // the version dialog opens
    std::int32_t 音_禁止 = 0;    // an action is refused
    std::int32_t 音_駒打 = 0;    // a piece is put down
    std::int32_t 音_BGM = 0;     // the background music, looping
};

}  // namespace yukora
