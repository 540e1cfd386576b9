#include "textfile/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace yukora {

bool 行入力::補充() {
    if (終端_ || 超過_) {
        終端_ = true;
        return false;
    }
    // One byte more than the limit allows tells whether the input goes on beyond it.
    const std::size_t want = std::min(sizeof buf_, 上限残り_ + 1);
    long n;
    do {
        n = 読む(buf_, want);
    } while (n < 0 && errno == EINTR);
    if (n > 0 && static_cast<std::size_t>(n) > 上限残り_) {
        超過_ = true;
        n = static_cast<long>(上限残り_);
    }
    if (n <= 0) {
        終端_ = true;
        失敗_ = 失敗_ || n < 0;
        return false;
    }
    上限残り_ -= static_cast<std::size_t>(n);
    pos_ = 0;
    len_ = static_cast<std::size_t>(n);
    return true;
}

bool 行入力::次の行(std::string& line) {
    line.clear();
    切り詰め_ = false;
    bool any = false;
    std::size_t total = 0;  // bytes of the line, line end excluded
    char last = 0;
    bool 改行 = false;
    for (;;) {
        if (pos_ == len_ && !補充()) break;
        any = true;
        const char* start = buf_ + pos_;
        const char* lf = static_cast<const char*>(std::memchr(start, '\n', len_ - pos_));
        const std::size_t n = lf ? static_cast<std::size_t>(lf - start) : len_ - pos_;
        if (n > 0) {
            const std::size_t room = line.size() < 行の上限 ? 行の上限 - line.size() : 0;
            line.append(start, std::min(n, room));
            total += n;
            last = start[n - 1];
        }
        pos_ += n;
        if (lf) {
            ++pos_;
            改行 = true;
            break;
        }
    }
    if (!any || 失敗_ || (超過_ && !改行)) {
        line.clear();
        return false;
    }
    const std::size_t 本文 = last == '\r' ? total - 1 : total;
    if (本文 < line.size()) line.resize(本文);
    切り詰め_ = 本文 > line.size();
    return true;
}

long 文字列行入力::読む(char* buf, std::size_t n) {
    const std::size_t k = std::min(n, 残り_.size());
    std::memcpy(buf, 残り_.data(), k);
    残り_.remove_prefix(k);
    return static_cast<long>(k);
}

開く結果 開けない理由(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR: return 開く結果::ない;
        case EACCES:
        case EPERM: return 開く結果::読めない;
        default: return 開く結果::エラー;
    }
}

ファイル行入力::ファイル行入力(const std::string& path) {
    // The type is looked at before opening: opening a device may act on it.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        結果_ = 開けない理由(errno);
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        結果_ = 開く結果::ファイルでない;
        return;
    }
    // Non-blocking, in case a pipe took the file's place since.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd_ < 0) {
        結果_ = 開けない理由(errno);
        return;
    }
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        結果_ = 開く結果::ファイルでない;
    }
}

ファイル行入力::~ファイル行入力() {
    if (fd_ >= 0) ::close(fd_);
}

long ファイル行入力::読む(char* buf, std::size_t n) {
    if (fd_ < 0) return -1;
    return static_cast<long>(::read(fd_, buf, n));
}

}  // namespace yukora
