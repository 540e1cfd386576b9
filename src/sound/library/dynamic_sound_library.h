// The sound port on the shared library "Yukora将棋1", opened at run time by its file name,
// not before dsInitialize: it brings in the whole audio stack.
// A missing library, or one without every function, acts as a library whose dsInitialize
// returns 0: the game then plays on silently.
#pragma once
#include <filesystem>
#include <string>

#include "sound/sound_library_port.h"

namespace yukora {

class 動的サウンドライブラリ final : public サウンドライブラリ {
public:
    // The library beside the running executable.
    動的サウンドライブラリ();
    explicit 動的サウンドライブラリ(const std::filesystem::path& file);
    // The library stays loaded until the process ends: the audio thread may still run.
    ~動的サウンドライブラリ() override = default;
    動的サウンドライブラリ(const 動的サウンドライブラリ&) = delete;
    動的サウンドライブラリ& operator=(const 動的サウンドライブラリ&) = delete;

    // True when the file was opened and every function was found (opening it now if not yet).
    bool 読込済み();
    // Why it was not, for diagnostics.
    const std::string& 読込エラー();

    // The library's file name, and its full path beside the running executable.
    static std::string ファイル名();
    static std::filesystem::path 既定のパス();

    std::int32_t dsInitialize(std::intptr_t window) override;
    std::int32_t dsTerminate(std::int32_t library) override;
    std::int32_t dsCreateDSB(std::int32_t library, const std::uint8_t* image, std::size_t size,
                             std::int32_t flags) override;
    std::int32_t dsFree(std::int32_t buffer) override;
    std::int32_t dsPlay(std::int32_t buffer) override;
    std::int32_t dsPlayLooping(std::int32_t buffer) override;
    std::int32_t dsStop(std::int32_t buffer) override;

    using 初期化関数 = std::int32_t (*)(std::intptr_t);
    using 作成関数 = std::int32_t (*)(std::int32_t, const void*, std::uint32_t, std::int32_t);
    using 操作関数 = std::int32_t (*)(std::int32_t);

private:
    // Opens the file the first time.
    void 読込();

    std::filesystem::path ファイル_;
    bool 読込試行済み_ = false;
    bool 読込済み_ = false;
    std::string エラー_;
    初期化関数 initialize_ = nullptr;
    操作関数 terminate_ = nullptr;
    作成関数 create_ = nullptr;
    操作関数 free_ = nullptr;
    操作関数 play_ = nullptr;
    操作関数 play_looping_ = nullptr;
    操作関数 stop_ = nullptr;
};

}  // namespace yukora
