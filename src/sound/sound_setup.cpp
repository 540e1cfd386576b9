#include "sound/sound_setup.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <system_error>
#include <vector>

namespace yukora {

namespace {

// The whole file; on failure, the system's text for the error in `error`.
std::vector<std::uint8_t> 読込_全バイト(const std::filesystem::path& file, std::string& error) {
    std::vector<std::uint8_t> bytes;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::system_category().message(errno);
        return bytes;
    }
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            error = std::system_category().message(errno);
            bytes.clear();
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    ::close(fd);
    return bytes;
}

}  // namespace

void 警告メッセージ(ダイアログ& dialog, const std::string& text) {
    dialog.警告(text, サウンド警告タイトル);
}

void サウンド初期化(サウンド状態& s, サウンドライブラリ& lib, ダイアログ& dialog,
                    std::intptr_t window) {
    s.ライブラリ = lib.dsInitialize(window);
    if (s.ライブラリ == 0) 警告メッセージ(dialog, "Direct Soundインターフェースが作成できません。");
}

namespace {

// The whole file as a sound image; none without a message when the library is not open or
// the file does not exist, none with a warning when it cannot be read.
std::optional<std::vector<std::uint8_t>> 読込_サウンド画像(const サウンド状態& s,
                                                           ダイアログ& dialog,
                                                           const std::filesystem::path& file) {
    if (s.ライブラリ == 0) return std::nullopt;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec) || std::filesystem::is_directory(file, ec))
        return std::nullopt;
    std::string error;
    std::vector<std::uint8_t> image = 読込_全バイト(file, error);
    if (!error.empty()) {
        警告メッセージ(dialog, error);
        return std::nullopt;
    }
    return image;
}

constexpr std::int32_t 効果音フラグ = 3, 音楽フラグ = 1;

}  // namespace

std::int32_t 読込_サウンドファイル(const サウンド状態& s, サウンドライブラリ& lib,
                                   ダイアログ& dialog, const std::filesystem::path& file,
                                   std::int32_t flags) {
    const auto image = 読込_サウンド画像(s, dialog, file);
    if (!image) return 0;
    return lib.dsCreateDSB(s.ライブラリ, image->data(), image->size(), flags);
}

void 読込_サウンド(サウンド状態& s, サウンドライブラリ& lib, ダイアログ& dialog,
                   const std::filesystem::path& folder) {
    s.音_その他 = 読込_サウンドファイル(s, lib, dialog, folder / "その他.wav", 効果音フラグ);
    s.音_禁止 = 読込_サウンドファイル(s, lib, dialog, folder / "禁止.wav", 効果音フラグ);
    s.音_駒打 = 読込_サウンドファイル(s, lib, dialog, folder / "駒打音.wav", 効果音フラグ);
    s.BGM画像 =
        読込_サウンド画像(s, dialog, folder / "BGM.wav").value_or(std::vector<std::uint8_t>{});
}

void 解放_サウンド(サウンド状態& s, サウンドライブラリ& lib) {
    for (std::int32_t* buffer : {&s.音_その他, &s.音_禁止, &s.音_駒打, &s.音_BGM}) {
        lib.dsFree(*buffer);
        *buffer = 0;
    }
    std::vector<std::uint8_t>().swap(s.BGM画像);
}

void サウンド終了(サウンド状態& s, サウンドライブラリ& lib) {
    if (s.ライブラリ != 0) lib.dsTerminate(s.ライブラリ);
    s.ライブラリ = 0;
}

std::int32_t 取得_音バッファ(const サウンド状態& s, 音 which) {
    switch (which) {
        case 音::その他: return s.音_その他;
        case 音::禁止: return s.音_禁止;
        case 音::駒打: return s.音_駒打;
        case 音::BGM: return s.音_BGM;
    }
    return 0;
}

// Buffer 0 goes to the library as it is: the library ignores it.
void 音再生(const サウンド状態& s, サウンドライブラリ& lib, 音 which) {
    lib.dsPlay(取得_音バッファ(s, which));
}

void BGM開始(サウンド状態& s, サウンドライブラリ& lib) {
    if (s.音_BGM == 0 && !s.BGM画像.empty()) {
        if (s.ライブラリ != 0)
            s.音_BGM =
                lib.dsCreateDSB(s.ライブラリ, s.BGM画像.data(), s.BGM画像.size(), 音楽フラグ);
        std::vector<std::uint8_t>().swap(s.BGM画像);
    }
    lib.dsPlayLooping(s.音_BGM);
}

void BGM停止(const サウンド状態& s, サウンドライブラリ& lib) { lib.dsStop(s.音_BGM); }

}  // namespace yukora
