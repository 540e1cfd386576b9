// The port of an engine's process: start it, write a line, hand back each line it prints and
// its end. The window implements it with a process whose output arrives through the event
// loop, so nothing here ever waits.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace yukora {

// Who hears what the process prints and how it ends.
class エンジン出力の受け手 {
public:
    virtual ~エンジン出力の受け手() = default;
    // One line without its line end; 長すぎる when it was longer than エンジン行の上限 (its text is
    // then dropped).
    virtual void 行が来た(std::string_view line, bool 長すぎる) = 0;
    // The process ended by itself: its exit code, or 異常 when a signal ended it.
    virtual void 終了した(int code, bool 異常) = 0;
    // The program could not be started at all.
    virtual void 起動できなかった(const std::string& 理由) = 0;
};

class エンジンプロセス {
public:
    virtual ~エンジンプロセス() = default;
    // Starts the program (in its own folder, no arguments); what it prints goes to `to`.
    virtual void 起動(const std::string& path, エンジン出力の受け手& to) = 0;
    // Writes `line` and a line end.
    virtual void 書く(std::string_view line) = 0;
    // Ends it: "quit", then a kill one second later if it is still there; reaped either
    // way. Nothing more is handed back afterwards.
    virtual void 終える() = 0;
};

// Lines longer than this are an engine's fault (a 2,000-move position is about 10 KB).
inline constexpr std::size_t エンジン行の上限 = std::size_t{1} << 20;

// Milliseconds from any fixed moment, never going back.
class 経過時計 {
public:
    virtual ~経過時計() = default;
    virtual std::int64_t ミリ秒() = 0;
};

}  // namespace yukora
