#include "wav_image.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string_view>

namespace yukora::音作成 {

namespace {

void 追加_文字(std::vector<std::uint8_t>& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

void 追加_整数(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> WAV画像(const 標本列& s, int rate) {
    const auto data_bytes = static_cast<std::uint32_t>(s.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + data_bytes);
    追加_文字(out, "RIFF");
    追加_整数(out, 36 + data_bytes, 4);
    追加_文字(out, "WAVEfmt ");
    追加_整数(out, 16, 4);  // size of the format chunk
    追加_整数(out, 1, 2);   // PCM
    追加_整数(out, 1, 2);   // channels
    追加_整数(out, static_cast<std::uint32_t>(rate), 4);
    追加_整数(out, static_cast<std::uint32_t>(rate) * 2, 4);  // bytes per second
    追加_整数(out, 2, 2);                                     // bytes per frame
    追加_整数(out, 16, 2);                                    // bits per sample
    追加_文字(out, "data");
    追加_整数(out, data_bytes, 4);
    for (float v : s) {
        const long q = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        追加_整数(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(q)) & 0xffffu, 2);
    }
    return out;
}

bool 書込_WAV(const std::filesystem::path& file, const 標本列& s) {
    const std::vector<std::uint8_t> image = WAV画像(s);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    return static_cast<bool>(out);
}

}  // namespace yukora::音作成
