// Samples as the bytes of a ".wav" file: RIFF, PCM, 16 bits, one channel.
#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

#include "synth.h"

namespace yukora::音作成 {

std::vector<std::uint8_t> WAV画像(const 標本列& s, int rate = 標本化周波数);

// Writes the image; false when the file cannot be written.
bool 書込_WAV(const std::filesystem::path& file, const 標本列& s);

}  // namespace yukora::音作成
