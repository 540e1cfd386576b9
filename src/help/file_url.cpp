#include "help/file_url.h"

namespace yukora {

namespace {

bool そのまま使える(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

}  // namespace

std::string 変換_ファイルURL(const std::filesystem::path& file, const std::string& fragment) {
    static constexpr char 十六進[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const unsigned char c : std::filesystem::absolute(file).lexically_normal().string()) {
        if (そのまま使える(c)) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += 十六進[c >> 4];
            url += 十六進[c & 15];
        }
    }
    if (!fragment.empty()) url += "#" + fragment;
    return url;
}

}  // namespace yukora
