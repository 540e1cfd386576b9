#include "record/sjis.h"

#include <iconv.h>

#include <cerrno>

namespace yukora {
namespace {

// One conversion with a fresh descriptor; false on any character the target cannot hold,
// on bytes that are invalid in the source and on a sequence cut off at the end.
std::optional<std::string> 変換(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    char buf[1024];
    bool ok = true;
    while (left > 0) {
        char* dst = buf;
        size_t room = sizeof buf;
        const size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf, static_cast<size_t>(dst - buf));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
        // glibc reports characters it had to approximate in the return value.
        if (r != static_cast<size_t>(-1) && r > 0) {
            ok = false;
            break;
        }
    }
    if (ok) {
        char* dst = buf;
        size_t room = sizeof buf;
        ok = iconv(cd, nullptr, nullptr, &dst, &room) != static_cast<size_t>(-1);
        out.append(buf, static_cast<size_t>(dst - buf));
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::string> SJISへ変換(std::string_view utf8) { return 変換("CP932", "UTF-8", utf8); }

std::optional<std::string> SJISから変換(std::string_view sjis) {
    return 変換("UTF-8", "CP932", sjis);
}

std::optional<std::string> SJIS行書式(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        const auto bytes = SJISへ変換(line);
        if (!bytes) return std::nullopt;
        out += *bytes;
        out += "\r\n";
    }
    return out;
}

bool UTF8か(std::string_view text) { return 変換("UTF-8", "UTF-8", text).has_value(); }

int 文字数(std::string_view utf8) {
    int n = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace yukora
