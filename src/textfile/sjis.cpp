#include "textfile/sjis.h"

#include <iconv.h>

#include <cerrno>

namespace yukora {
namespace {

// A conversion descriptor opened once per thread and direction; opening one is costly.
class 変換器 {
public:
    変換器(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~変換器() {
        if (使える()) iconv_close(cd_);
    }
    変換器(const 変換器&) = delete;
    変換器& operator=(const 変換器&) = delete;
    bool 使える() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t 記述子() const { return cd_; }

private:
    iconv_t cd_;
};

// One whole conversion; nothing on a character the target cannot hold, on bytes that are
// invalid in the source and on a sequence cut off at the end.
std::optional<std::string> 変換(const 変換器& conv, std::string_view in) {
    if (!conv.使える()) return std::nullopt;
    iconv_t cd = conv.記述子();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    std::string out;
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    char buf[1024];
    while (left > 0) {
        char* dst = buf;
        size_t room = sizeof buf;
        const size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf, static_cast<size_t>(dst - buf));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) return std::nullopt;
        // glibc counts the characters it had to approximate in the return value.
        if (r != static_cast<size_t>(-1) && r > 0) return std::nullopt;
    }
    char* dst = buf;
    size_t room = sizeof buf;
    if (iconv(cd, nullptr, nullptr, &dst, &room) == static_cast<size_t>(-1)) return std::nullopt;
    out.append(buf, static_cast<size_t>(dst - buf));
    return out;
}

const 変換器& SJISへ() {
    thread_local const 変換器 conv("CP932", "UTF-8");
    return conv;
}
const 変換器& SJISから() {
    thread_local const 変換器 conv("UTF-8", "CP932");
    return conv;
}
const 変換器& UTF8検査() {
    thread_local const 変換器 conv("UTF-8", "UTF-8");
    return conv;
}

}  // namespace

std::optional<std::string> SJISへ変換(std::string_view utf8) { return 変換(SJISへ(), utf8); }

std::optional<std::string> SJISから変換(std::string_view sjis) { return 変換(SJISから(), sjis); }

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

bool UTF8か(std::string_view text) { return 変換(UTF8検査(), text).has_value(); }

int 文字数(std::string_view utf8) {
    int n = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace yukora
