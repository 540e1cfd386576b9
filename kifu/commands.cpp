#include "kifu/commands.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

#include "formats/file_formats.h"
#include "formats/record_move.h"
#include "rules/sfen.h"
#include "textfile/file_replace.h"

namespace yukora {
namespace {

// No record comes near this; anything larger is not read.
constexpr size_t 最大の大きさ = 16u << 20;

constexpr const char* 使い方 =
    "usage: yukora-kifu convert IN OUT   (formats by extension: .棋譜 .kif .kifu .csa)\n"
    "       yukora-kifu sfen IN\n";

// The bytes of a regular file; on failure the reason, for the user.
bool ファイルを読む(const std::string& path, std::string& bytes, std::string& why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (!ok) why = "not a regular file";
    else if (static_cast<size_t>(st.st_size) > 最大の大きさ)
        ok = false, why = "the file is too large";
    char buf[65536];
    while (ok) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false, why = std::strerror(errno);
        if (n <= 0) break;
        bytes.append(buf, static_cast<size_t>(n));
        if (bytes.size() > 最大の大きさ) ok = false, why = "the file is too large";
    }
    ::close(fd);
    return ok;
}

void エラーを書く(std::ostream& err, const std::string& path, const 読込エラー& e) {
    err << path;
    if (e.行 > 0) err << ':' << e.行;
    err << ": ";
    if (e.手数 > 0) err << "move " << e.手数 << ": ";
    err << e.理由 << '\n';
}

// Reads a record; false after telling why when nothing or only part of it could be read.
bool 記録を読む(const std::string& path, 読込結果& res, std::ostream& err) {
    const 棋譜形式 f = 拡張子の形式(path);
    if (f == 棋譜形式::不明) {
        err << path << ": unknown extension (.棋譜 .kif .kifu .csa)\n";
        return false;
    }
    std::string bytes, why;
    if (!ファイルを読む(path, bytes, why)) {
        err << path << ": " << why << '\n';
        return false;
    }
    res = 棋譜を読む(bytes, f);
    if (res.エラー) エラーを書く(err, path, *res.エラー);
    return !res.エラー;
}

}  // namespace

int 変換する(const std::string& in, const std::string& out, std::ostream& err) {
    const 棋譜形式 f = 拡張子の形式(out);
    if (f == 棋譜形式::不明) {
        err << out << ": unknown extension (.棋譜 .kif .kifu .csa)\n";
        return 1;
    }
    読込結果 res;
    if (!記録を読む(in, res, err)) return 1;
    const 書込結果 w = 棋譜を書く(res.記録, f);
    if (!w.理由.empty()) {
        err << out << ": " << w.理由 << '\n';
        return 1;
    }
    const size_t slash = out.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : out.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? out : out.substr(slash + 1);
    if (const int e = ファイル置換(folder, name, w.内容); e != 0) {
        err << out << ": " << std::strerror(e) << '\n';
        return 1;
    }
    return 0;
}

int SFENを印字する(const std::string& in, std::ostream& out, std::ostream& err) {
    読込結果 res;
    const bool ok = 記録を読む(in, res, err);
    if (!ok && res.記録.手.empty() && (!res.エラー || res.エラー->手数 == 0)) return 1;
    記録局面 pos = res.記録.開始;
    out << SFEN書込(pos, 1) << '\n';
    int 手目 = 1;
    for (const 記録の手& m : res.記録.手) {
        if (!記録の手を指す(pos, m).empty()) break;
        out << SFEN書込(pos, ++手目) << '\n';
    }
    return ok ? 0 : 1;
}

int 実行する(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 3 && args[0] == "convert") return 変換する(args[1], args[2], err);
    if (args.size() == 2 && args[0] == "sfen") return SFENを印字する(args[1], out, err);
    err << 使い方;
    return 2;
}

}  // namespace yukora
