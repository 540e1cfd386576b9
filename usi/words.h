// The words of a command line, taken one at a time: nothing is split before it is asked for,
// so a long line costs no memory beyond its own text.
#pragma once
#include <string_view>

namespace yukora {

class 語読み {
public:
    explicit 語読み(std::string_view text) : rest_(text) {}

    // The next word, or an empty view when only separators are left.
    std::string_view 次() {
        std::size_t i = 0;
        while (i < rest_.size() && 区切りか(rest_[i])) ++i;
        std::size_t end = i;
        while (end < rest_.size() && !区切りか(rest_[end])) ++end;
        const std::string_view word = rest_.substr(i, end - i);
        rest_.remove_prefix(end);
        return word;
    }

    // What has not been taken yet.
    std::string_view 残り() const { return rest_; }

private:
    static bool 区切りか(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    std::string_view rest_;
};

}  // namespace yukora
