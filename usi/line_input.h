// Lines out of a byte stream. A line may hold at most 行の最大長 bytes (the fuzz target chooses
// smaller limits); a longer one is dropped while it arrives, so reading never holds more than
// one line's worth of memory.
#pragma once
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace yukora {

// Far above any real command (a 2,000-move position line is about 10 KB).
inline constexpr std::size_t 行の最大長 = std::size_t{1} << 20;

struct 入力行 {
    bool 長すぎる = false;  // the line was longer than the limit; its text is dropped
    std::string text;       // without the newline
};

class 行の組立 {
public:
    explicit 行の組立(std::size_t 最大長 = 行の最大長) : 最大長_(最大長) {}

    // Takes the next bytes; the lines they complete are queued.
    void 入れる(std::string_view bytes);
    // The input has ended: a last line without a newline is queued too.
    void 終わる();

    // Takes the oldest queued line; false when none is complete.
    bool 取り出す(入力行& line);

    const std::deque<入力行>& 待ち行() const { return 出来た_; }
    // Bytes of text held in queued lines.
    std::size_t 待ち量() const { return 待ち量_; }

private:
    void 行を終える();

    std::size_t 最大長_;
    std::string 途中_;       // the line being read
    bool 長すぎる_ = false;  // the line being read passed the limit; the rest is skipped
    std::deque<入力行> 出来た_;
    std::size_t 待ち量_ = 0;
};

}  // namespace yukora
