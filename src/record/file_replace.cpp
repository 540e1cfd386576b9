#include "record/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace yukora {
namespace {

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

// The permissions the new file gets: those of the file it replaces, else the usual ones.
mode_t 新しい権限(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

int ファイル置換(const std::string& folder, const std::string& name, std::string_view bytes) {
    const std::string dir = folder.empty() ? "." : folder;
    const std::string target = dir + "/" + name;
    std::string temp = dir + "/.yukora-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    int err = 全部書く(fd, bytes);
    if (err == 0 && ::fchmod(fd, 新しい権限(target)) != 0) err = errno;
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) ::unlink(temp.c_str());
    return err;
}

std::string 書込エラー説明(int err) {
    switch (err) {
        case EACCES: case EPERM: case EROFS: return "このﾌｫﾙﾀﾞには書き込めません";
        case ENOSPC: case EDQUOT: case EFBIG: return "ﾃﾞｨｽｸの空きが足りません";
        case ENOENT: case ENOTDIR: return "ﾌｫﾙﾀﾞが見つかりません";
        case EISDIR: return "同じ名前のﾌｫﾙﾀﾞがあります";
        case ENAMETOOLONG: return "ﾌｧｲﾙ名が長すぎます";
        default: return "ｴﾗｰ番号 " + std::to_string(err);
    }
}

}  // namespace yukora
