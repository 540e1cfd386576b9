#include "textfile/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace yukora {
namespace {

ファイルの中身 失敗(int err) {
    ファイルの中身 f;
    f.結果 = 開けない理由(err);
    f.エラー番号 = err;
    return f;
}

}  // namespace

ファイルの中身 ファイルを丸ごと読む(const std::string& path, std::size_t 上限) {
    // The type is looked at before opening: opening a device may act on it, a pipe blocks.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return 失敗(errno);
    ファイルの中身 f;
    if (!S_ISREG(st.st_mode)) {
        f.結果 = 開く結果::ファイルでない;
        return f;
    }
    if (static_cast<std::size_t>(st.st_size) > 上限) {
        f.大きすぎる = true;
        return f;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return 失敗(errno);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {  // something else took its place
        ::close(fd);
        f.結果 = 開く結果::ファイルでない;
        return f;
    }
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            f.結果 = 開く結果::エラー;
            f.エラー番号 = errno;
            f.bytes.clear();
            break;
        }
        if (n == 0) break;
        f.bytes.append(buf, static_cast<std::size_t>(n));
        if (f.bytes.size() > 上限) {  // it grew while being read
            f.大きすぎる = true;
            f.bytes.clear();
            break;
        }
    }
    ::close(fd);
    return f;
}

std::string 読めない理由(const ファイルの中身& f, std::size_t 上限) {
    if (f.大きすぎる)
        return "the file is larger than " + std::to_string(上限 >> 20) + " MiB, more than is read";
    switch (f.結果) {
        case 開く結果::開いた: return {};
        case 開く結果::ファイルでない: return "not a regular file (a folder, a pipe or a device)";
        default: return std::strerror(f.エラー番号);
    }
}

}  // namespace yukora
