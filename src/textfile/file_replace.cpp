#include "textfile/file_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace yukora {
namespace {

constexpr std::string_view 一時ファイルの頭 = ".yukora-";
// A hidden file of ours older than this is left from a save that was killed.
constexpr std::time_t 置き去りの秒数 = 60;
// As many links as the system follows in one path.
constexpr int リンクの上限 = 40;
// The file system has no unnamed files.
constexpr int 名前なし不可 = -100;

int 全部書く(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}

// Closes a descriptor when it goes out of scope.
struct 記述子 {
    int fd = -1;
    explicit 記述子(int f) : fd(f) {}
    ~記述子() {
        if (fd >= 0) ::close(fd);
    }
    記述子(const 記述子&) = delete;
    記述子& operator=(const 記述子&) = delete;
};

// Follows symbolic links until path names something else or nothing; a relative link is
// read from the link's own folder. Returns 0 or a system error number.
int リンクをたどる(std::string& path) {
    for (int i = 0; i < リンクの上限; ++i) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
        char buf[4096];
        const ssize_t n = ::readlink(path.c_str(), buf, sizeof buf);
        if (n < 0) return errno;
        if (static_cast<size_t>(n) == sizeof buf) return ENAMETOOLONG;
        const std::string target(buf, static_cast<size_t>(n));
        path = target.front() == '/' ? target : path.substr(0, path.rfind('/')) + "/" + target;
    }
    return ELOOP;
}

// What stands at path now: 0 when nothing or a plain file the user may write, else why it
// may not be replaced. `mode` gets the permissions of the file that is there.
int 置き換えてよいか(const std::string& path, mode_t& mode, bool& exists) {
    struct stat st {};
    exists = ::lstat(path.c_str(), &st) == 0;
    if (!exists) return errno == ENOENT ? 0 : errno;
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (!S_ISREG(st.st_mode)) return 置換_ファイルでない;
    mode = st.st_mode & 07777;
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES || errno == EPERM ? 置換_書込禁止 : errno;
    // The superuser may write anything; a file nobody may write is still meant to stay.
    return (mode & 0222) == 0 ? 置換_書込禁止 : 0;
}

bool 英数字だけ(std::string_view s, bool hex) {
    return std::all_of(s.begin(), s.end(), [hex](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return hex ? std::isxdigit(u) && !std::isupper(u) : std::isalnum(u) != 0;
    });
}

// The process that writes a hidden file of ours (".yukora-<16 hex>-<pid>-<n>.tmp"); 0 for
// the names earlier versions used (six random letters, or "<16 hex>.tmp"); -1 for names
// that are not ours.
long 一時ファイルの持ち主(std::string_view n) {
    if (!n.starts_with(一時ファイルの頭)) return -1;
    std::string_view rest = n.substr(一時ファイルの頭.size());
    if (rest.size() == 6) return 英数字だけ(rest, false) ? 0 : -1;
    if (rest.size() < 20 || !rest.ends_with(".tmp") || !英数字だけ(rest.substr(0, 16), true))
        return -1;
    rest = rest.substr(16, rest.size() - 20);
    if (rest.empty()) return 0;
    const size_t dash = rest.rfind('-');
    if (!rest.starts_with('-') || dash == 0) return -1;
    const std::string_view pid = rest.substr(1, dash - 1), n2 = rest.substr(dash + 1);
    const auto digits = [](std::string_view d) {
        return !d.empty() && d.size() <= 18 &&
               std::all_of(d.begin(), d.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(pid) || !digits(n2)) return -1;
    return std::stol(std::string(pid));
}

// The process is gone, or is this one (whose saves run one at a time).
bool 持ち主がいないか(long pid) {
    if (pid <= 0) return false;
    if (pid == ::getpid()) return true;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Removes the hidden files of ours in the folder that no save is writing any more: those of
// a process that is gone, and any older than 置き去りの秒数.
void 置き去りを消す(int dirfd) {
    const int fd = ::openat(dirfd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    const std::time_t before = std::time(nullptr) - 置き去りの秒数;
    while (const dirent* e = ::readdir(dir)) {
        const long owner = 一時ファイルの持ち主(e->d_name);
        if (owner < 0) continue;
        struct stat st {};
        if (::fstatat(dirfd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
        if (st.st_mtime < before || 持ち主がいないか(owner)) ::unlinkat(dirfd, e->d_name, 0);
    }
    ::closedir(dir);
}

// The new contents in a file of their own, permissions set, on the disk.
int 中身を書く(int fd, std::string_view bytes, bool exists, mode_t mode) {
    if (exists && ::fchmod(fd, mode) != 0) return errno;
    if (const int err = 全部書く(fd, bytes); err != 0) return err;
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Gives the complete unnamed file `fd` the name `temp` in the folder.
int 名前を付ける(int fd, int dirfd, const std::string& temp) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), dirfd, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    // Without /proc: the direct way, which needs more privileges.
    if (errno == ENOENT && ::linkat(fd, "", dirfd, temp.c_str(), AT_EMPTY_PATH) == 0) return 0;
    return errno;
}

// Writes the named temporary file; 0 when it is complete under the name `temp`.
int 名前付きで書く(int dirfd, const std::string& temp, std::string_view bytes, bool exists,
                   mode_t mode) {
    const int fd = ::openat(dirfd, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    int err = 中身を書く(fd, bytes, exists, mode);
    if (::close(fd) != 0 && err == 0) err = errno;
    return err;
}

// The same in an unnamed file, named only once complete. Where such a file cannot be made
// or named (no /proc and too few privileges), 名前なし不可.
int 名前なしで書く(int dirfd, const std::string& temp, std::string_view bytes, bool exists,
                   mode_t mode) {
    記述子 f(::openat(dirfd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (f.fd < 0) {
        const bool unsupported = errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL;
        return unsupported ? 名前なし不可 : errno;
    }
    if (const int err = 中身を書く(f.fd, bytes, exists, mode); err != 0) return err;
    return 名前を付ける(f.fd, dirfd, temp) == 0 ? 0 : 名前なし不可;
}

}  // namespace

std::string 一時ファイル名(const std::string& name) {
    static std::atomic<unsigned long> 通し番号{0};
    std::uint64_t h = 14695981039346656037ull;  // FNV-1a
    for (const char c : name) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char buf[80];
    std::snprintf(buf, sizeof buf, "%016llx-%ld-%lu.tmp", static_cast<unsigned long long>(h),
                  static_cast<long>(::getpid()), 通し番号++);
    return std::string(一時ファイルの頭) + buf;
}

int ファイル置換(const std::string& folder, const std::string& name, std::string_view bytes,
                 一時ファイル方式 way) {
    std::string path = (folder.empty() ? "." : folder) + "/" + name;
    if (const int err = リンクをたどる(path); err != 0) return err;
    const size_t slash = path.rfind('/');
    const std::string dir = slash == 0 ? "/" : path.substr(0, slash);
    const std::string base = path.substr(slash + 1);
    if (base.empty() || base == "." || base == "..") return EISDIR;

    mode_t mode = 0;
    bool exists = false;
    if (const int err = 置き換えてよいか(path, mode, exists); err != 0) return err;
    記述子 d(::open(dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (d.fd < 0) return errno;
    置き去りを消す(d.fd);

    // A name of its own for each save, so that saves of one file at once never meet; one
    // killed after naming it leaves its file to the next save's clean-up.
    const std::string temp = 一時ファイル名(base);
    int err = 名前なし不可;
    if (way == 一時ファイル方式::名前なし) err = 名前なしで書く(d.fd, temp, bytes, exists, mode);
    if (err == 名前なし不可) err = 名前付きで書く(d.fd, temp, bytes, exists, mode);
    if (err == 0 && ::renameat(d.fd, temp.c_str(), d.fd, base.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlinkat(d.fd, temp.c_str(), 0);
        return err;
    }
    // The new name on the disk too; a folder that cannot be synced still holds it.
    記述子 sync(::openat(d.fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (sync.fd >= 0) ::fsync(sync.fd);
    return 0;
}

std::string 書込エラー説明(int err) {
    switch (err) {
        case 置換_書込禁止: return "ﾌｧｲﾙが書き込み禁止になっています";
        case 置換_ファイルでない: return "同じ名前の特殊ﾌｧｲﾙがあります";
        case EACCES:
        case EPERM:
        case EROFS: return "このﾌｫﾙﾀﾞには書き込めません";
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return "ﾃﾞｨｽｸの空きが足りません";
        case ENOENT:
        case ENOTDIR: return "ﾌｫﾙﾀﾞが見つかりません";
        case EISDIR: return "同じ名前のﾌｫﾙﾀﾞがあります";
        case ENAMETOOLONG: return "ﾌｧｲﾙ名が長すぎます";
        case ELOOP: return "ﾘﾝｸをたどれません";
        default: return "ｴﾗｰ番号 " + std::to_string(err);
    }
}

std::string 置換できない理由(int err) {
    switch (err) {
        case 置換_書込禁止: return "the file is write-protected";
        case 置換_ファイルでない: return "a pipe, a device or a socket has that name";
        default: return std::strerror(err);
    }
}

}  // namespace yukora
