#include "settings/file_places.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace yukora {
namespace fs = std::filesystem;

namespace {

// A relative $XDG_CONFIG_HOME or $XDG_DATA_HOME is invalid and ignored, as the base
// directory rules say; `既定` is the folder under the home used instead.
fs::path XDGの場所(const std::string& xdg_value, const fs::path& 既定, const std::string& ホーム) {
    const fs::path xdg = xdg_value;
    if (xdg.is_absolute()) return xdg / 設定フォルダ名;
    const fs::path home = ホーム;
    if (home.is_absolute()) return home / 既定 / 設定フォルダ名;
    return 置けない場所;
}

fs::path 棋譜の場所(const 起動の様子& s, const 有無& フォルダがある) {
    for (const fs::path& p : {s.文書フォルダ, fs::path(s.ホーム)})
        if (p.is_absolute() && フォルダがある(p)) return p;
    return s.現在フォルダ;
}

std::string パスワードのホーム() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buf(size > 0 ? static_cast<size_t>(size) : 16384);
    passwd pw{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &pw, buf.data(), buf.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr)
        return {};
    return found->pw_dir;
}

}  // namespace

置き場 置き場を決める(const 起動の様子& s, const 有無& データがある, const 有無& フォルダがある) {
    if (s.実行フォルダ.empty() || データがある(s.実行フォルダ)) {
        const fs::path exe = s.実行フォルダ.empty() ? s.現在フォルダ : s.実行フォルダ;
        const fs::path here = データがある(s.現在フォルダ) ? s.現在フォルダ : exe;
        return {here, exe, here, here, false, here};
    }
    return {(s.実行フォルダ / s.データの相対位置).lexically_normal(),
            (s.実行フォルダ / s.ライブラリの相対位置).lexically_normal(),
            XDGの場所(s.XDG_CONFIG_HOME, ".config", s.ホーム),
            棋譜の場所(s, フォルダがある),
            true,
            XDGの場所(s.XDG_DATA_HOME, ".local/share", s.ホーム)};
}

起動の様子 起動の様子を調べる() {
    起動の様子 s;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) s.実行フォルダ = exe.parent_path();
    s.現在フォルダ = fs::current_path(ec);
    if (ec) s.現在フォルダ = ".";
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME")) s.XDG_CONFIG_HOME = xdg;
    if (const char* xdg = std::getenv("XDG_DATA_HOME")) s.XDG_DATA_HOME = xdg;
    const char* home = std::getenv("HOME");
    s.ホーム = home != nullptr && *home != '\0' ? std::string(home) : パスワードのホーム();
    return s;
}

bool 設定フォルダを用意(const 置き場& p) { return !p.導入済 || フォルダを用意(p.設定); }

bool フォルダを用意(const fs::path& folder) {
    fs::path so_far;
    for (const fs::path& part : folder) {
        so_far /= part;
        if (::mkdir(so_far.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    std::error_code ec;
    return fs::is_directory(folder, ec);
}

}  // namespace yukora
