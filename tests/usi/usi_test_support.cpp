#include "usi_test_support.h"

#include <gtest/gtest.h>

namespace yukora::test {

std::vector<std::string_view> 空白で分ける(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

USI局面 SFENの局面(const std::string& sfen) {
    const auto f = 空白で分ける(sfen);
    USI局面 pos;
    if (f.size() < 3) {
        ADD_FAILURE() << "not an SFEN: " << sfen;
        return pos;
    }
    const std::string e = SFEN読込(f[0], f[1], f[2], pos);
    EXPECT_EQ(e, "") << sfen;
    return pos;
}

}  // namespace yukora::test
