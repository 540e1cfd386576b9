// Standard input: lines for the engine, read one chunk at a time, and while a long command
// runs, a look at what has come in meanwhile.
#pragma once
#include <array>
#include <cstddef>

#include "usi/interrupt.h"
#include "usi/line_input.h"

namespace yukora {

class 標準入力 final : public 割込み {
public:
    // `入力fd` is read; a descriptor that is not open counts as input that has ended.
    explicit 標準入力(int 入力fd) : fd_(入力fd) {}

    enum class 事象 { 行, 終わり };
    // Waits for the next line (lines come in their order, also those read during a long
    // command) or the end of input, whichever comes first.
    事象 次(入力行& line);

    // Reads what has come without waiting. A "stop" among the lines read here asks to end the
    // running command (the line itself stays queued, to be handled after it); a "quit" to end
    // the engine. Lines that were waiting before are not looked at: they came before the
    // running command ended, so they are handled in turn after it. The end of input is a quit
    // after the last line: it ends the engine once no line waits (a GUI that closed the pipe
    // or died wants no more answers). While lines worth 待ち上限 bytes wait, nothing more is
    // read.
    割込み指示 確かめる() override;

    static constexpr std::size_t 待ち上限 = 8 * 行の最大長;

private:
    // Polls the input (-1: wait, 0: just look) and reads one chunk of what is there.
    void 読む(int timeout_ms);

    int fd_;
    bool 終わった_ = false;  // the end of input was read
    行の組立 組立_;
    std::array<char, 1 << 16> buf_{};
};

}  // namespace yukora
