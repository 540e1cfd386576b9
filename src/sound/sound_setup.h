// The sound library opened and closed, the four sounds loaded and played.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/dialog_port.h"
#include "game/sounds.h"
#include "sound/sound_library_port.h"

namespace yukora {

struct サウンド状態 {
    std::int32_t ライブラリ = 0;
    std::int32_t 音_その他 = 0;  // the version dialog opens
    std::int32_t 音_禁止 = 0;    // an action is refused
    std::int32_t 音_駒打 = 0;    // a piece is put down
    std::int32_t 音_BGM = 0;     // the background music, looping; made when first played
    // "BGM.wav" as read at start, kept until the music is first switched on: decoding it costs
    // more than everything else at start, and most games are played without it.
    std::vector<std::uint8_t> BGM画像;
};

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

// Loads "その他.wav", "禁止.wav", "駒打音.wav" and "BGM.wav" from `folder`, in that order,
// warning as each is read; the music is only read here and made into its buffer by BGM開始.
void 読込_サウンド(サウンド状態& s, サウンドライブラリ& lib, ダイアログ& dialog,
                   const std::filesystem::path& folder);

// Frees the four buffers in the order they were loaded, and the music not yet made.
void 解放_サウンド(サウンド状態& s, サウンドライブラリ& lib);

// Releases the library when it was opened.
void サウンド終了(サウンド状態& s, サウンドライブラリ& lib);

// The buffer of a sound; 0 while it is missing.
std::int32_t 取得_音バッファ(const サウンド状態& s, 音 which);

// Plays the sound once; nothing when it is missing.
void 音再生(const サウンド状態& s, サウンドライブラリ& lib, 音 which);

// The background music: starts looping (its buffer made from the image read at start the
// first time), or stops.
void BGM開始(サウンド状態& s, サウンドライブラリ& lib);
void BGM停止(const サウンド状態& s, サウンドライブラリ& lib);

}  // namespace yukora
