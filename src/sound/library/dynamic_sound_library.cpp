#include "dynamic_sound_library.h"

#include <dlfcn.h>

#include <limits>
#include <system_error>
#include <type_traits>

#include "ds_api.h"

namespace yukora {

namespace {

template <typename F>
bool 関数取得(void* handle, const char* name, F& out, std::string& error) {
    out = reinterpret_cast<F>(dlsym(handle, name));
    if (out == nullptr && error.empty()) error = std::string("関数がありません: ") + name;
    return out != nullptr;
}

}  // namespace

// The pointers have the types of the exported functions.
static_assert(std::is_same_v<動的サウンドライブラリ::初期化関数, decltype(&::dsInitialize)>);
static_assert(std::is_same_v<動的サウンドライブラリ::作成関数, decltype(&::dsCreateDSB)>);
static_assert(std::is_same_v<動的サウンドライブラリ::操作関数, decltype(&::dsPlay)>);

std::string 動的サウンドライブラリ::ファイル名() { return YUKORA_SOUND_LIBRARY_FILE; }

std::filesystem::path 動的サウンドライブラリ::既定のパス() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (ec ? std::filesystem::path(".") : exe.parent_path()) / ファイル名();
}

動的サウンドライブラリ::動的サウンドライブラリ() : ファイル_(既定のパス()) {}

動的サウンドライブラリ::動的サウンドライブラリ(const std::filesystem::path& file)
    : ファイル_(file) {}

bool 動的サウンドライブラリ::読込済み() {
    読込();
    return 読込済み_;
}

const std::string& 動的サウンドライブラリ::読込エラー() {
    読込();
    return エラー_;
}

void 動的サウンドライブラリ::読込() {
    if (読込試行済み_) return;
    読込試行済み_ = true;
    // Never closed: a running audio thread must not lose its code.
    void* handle = dlopen(ファイル_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = dlerror();
        エラー_ = why != nullptr ? why : "dlopen";
        return;
    }
    bool ok = 関数取得(handle, "dsInitialize", initialize_, エラー_);
    ok = 関数取得(handle, "dsTerminate", terminate_, エラー_) && ok;
    ok = 関数取得(handle, "dsCreateDSB", create_, エラー_) && ok;
    ok = 関数取得(handle, "dsFree", free_, エラー_) && ok;
    ok = 関数取得(handle, "dsPlay", play_, エラー_) && ok;
    ok = 関数取得(handle, "dsPlayLooping", play_looping_, エラー_) && ok;
    ok = 関数取得(handle, "dsStop", stop_, エラー_) && ok;
    読込済み_ = ok;
    if (!ok) dlclose(handle);
}

std::int32_t 動的サウンドライブラリ::dsInitialize(std::intptr_t window) {
    return 読込済み() ? initialize_(window) : 0;
}

std::int32_t 動的サウンドライブラリ::dsTerminate(std::int32_t library) {
    return 読込済み_ && library != 0 ? terminate_(library) : 0;
}

std::int32_t 動的サウンドライブラリ::dsCreateDSB(std::int32_t library, const std::uint8_t* image,
                                                 std::size_t size, std::int32_t flags) {
    if (!読込済み_ || library == 0 || size > std::numeric_limits<std::uint32_t>::max()) return 0;
    return create_(library, image, static_cast<std::uint32_t>(size), flags);
}

std::int32_t 動的サウンドライブラリ::dsFree(std::int32_t buffer) {
    return 読込済み_ && buffer != 0 ? free_(buffer) : 0;
}

std::int32_t 動的サウンドライブラリ::dsPlay(std::int32_t buffer) {
    return 読込済み_ && buffer != 0 ? play_(buffer) : 0;
}

std::int32_t 動的サウンドライブラリ::dsPlayLooping(std::int32_t buffer) {
    return 読込済み_ && buffer != 0 ? play_looping_(buffer) : 0;
}

std::int32_t 動的サウンドライブラリ::dsStop(std::int32_t buffer) {
    return 読込済み_ && buffer != 0 ? stop_(buffer) : 0;
}

}  // namespace yukora
