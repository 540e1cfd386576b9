// Playing the game's sounds by name: what the other subsystems call.
#pragma once
#include "game/sounds.h"
#include "sound/sound_library_port.h"
#include "sound/sound_state.h"

namespace yukora {

// The buffer of a sound; 0 while it is missing.
std::int32_t 取得_音バッファ(const サウンド状態& s, 音 which);

// Plays the sound once; nothing when it is missing.
void 音再生(const サウンド状態& s, サウンドライブラリ& lib, 音 which);

// The background music: starts looping, or stops.
void BGM開始(const サウンド状態& s, サウンドライブラリ& lib);
void BGM停止(const サウンド状態& s, サウンドライブラリ& lib);

}  // namespace yukora
