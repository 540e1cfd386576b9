#include "usi/message_text.h"

namespace yukora {

std::string 表示用(std::string_view text) {
    constexpr std::size_t 最長 = 40;
    std::string s;
    for (std::size_t i = 0; i < text.size() && i < 最長; ++i)
        s += text[i] > ' ' && text[i] < 127 ? text[i] : '?';
    if (text.size() > 最長) s += "...";
    return s;
}

}  // namespace yukora
