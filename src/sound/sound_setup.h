// Opening and closing the sound library and loading the four sounds.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

#include "game/dialog_port.h"
#include "sound/sound_library_port.h"
#include "sound/sound_state.h"

namespace yukora {

// Title of every warning about the sound library.
inline constexpr const char* サウンド警告タイトル = "Yukora将棋1.dll";

// A warning box about the sound library.
void 警告メッセージ(ダイアログ& dialog, const std::string& text);

// Opens the library for the window; warns once when it cannot.
void サウンド初期化(サウンド状態& s, サウンドライブラリ& lib, ダイアログ& dialog,
                    std::intptr_t window);

// A buffer made from the file; 0 without a message when the library is not open or the
// file does not exist, 0 with a warning when the file cannot be read.
std::int32_t 読込_サウンドファイル(const サウンド状態& s, サウンドライブラリ& lib,
                                   ダイアログ& dialog, const std::filesystem::path& file,
                                   std::int32_t flags);

// Loads "その他.wav", "禁止.wav", "駒打音.wav" and "BGM.wav" from `folder`, in that order.
void 読込_サウンド(サウンド状態& s, サウンドライブラリ& lib, ダイアログ& dialog,
                   const std::filesystem::path& folder);

// Frees the four buffers in the order they were loaded.
void 解放_サウンド(サウンド状態& s, サウンドライブラリ& lib);

// Releases the library when it was opened.
void サウンド終了(サウンド状態& s, サウンドライブラリ& lib);

}  // namespace yukora
