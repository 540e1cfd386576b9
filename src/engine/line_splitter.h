// The lines of an engine's output, cut from the bytes as they arrive. A line longer than
// its limit is reported as soon as it passes the limit, once, and the rest of it is skipped,
// so no more than one line's worth is ever held.
#pragma once
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

#include "engine/process_port.h"

namespace yukora {

struct 出力行 {
    bool 長すぎる = false;  // its text is dropped
    std::string text;       // without the line end
};

class 行の切り分け {
public:
    explicit 行の切り分け(std::size_t 上限 = エンジン行の上限) : 上限_(上限) {}
    // Takes the next bytes; the lines they complete are queued.
    void 入れる(std::string_view bytes);
    // The output has ended: a last line without a line end is queued too.
    void 終わる();
    // Takes the oldest queued line; false when none is complete.
    bool 取り出す(出力行& line);

private:
    std::size_t 上限_;
    std::string 途中_;
    bool 飛ばす_ = false;  // the rest of a line that was too long
    std::deque<出力行> 出来た_;
};

}  // namespace yukora
