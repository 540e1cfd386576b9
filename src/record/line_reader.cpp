#include "record/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace yukora {

bool 行入力::補充() {
    if (終端_) return false;
    long n;
    do {
        n = 読む(buf_, sizeof buf_);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) {
        終端_ = true;
        失敗_ = 失敗_ || n < 0;
        return false;
    }
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
            break;
        }
    }
    if (!any || 失敗_) {
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

ファイル行入力::ファイル行入力(const std::string& path) {
    // Non-blocking open so that a pipe under a record's name cannot hang the window.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    struct stat st {};
    if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd_);
        fd_ = -1;
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
