// Runs the yukora-usi executable with some input and collects its output.
#pragma once
#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace yukora::test {

struct 実行結果 {
    std::string 出力;
    int 終了コード = -1;    // exit status, -1 when killed or not run
    bool 時間切れ = false;  // killed after the deadline
};

// Writes `input` to the engine's standard input, closes it, and reads standard output until
// the engine ends or `秒` seconds have passed.
実行結果 エンジンを走らせる(const std::string& input, int 秒 = 30);

// The lines of an output, without their newlines.
std::vector<std::string> 行に分ける(const std::string& text);

// How SIGTERM stands when the engine is started: as usual, or ignored or blocked by the parent
// (both are inherited through exec).
enum class SIGTERMの扱い { 既定, 無視, 遮断 };

// A running engine, talked to a piece at a time. Killed when it goes out of scope.
class 対話エンジン {
public:
    // `入力あり` false: started with its standard input closed, not even at its end.
    explicit 対話エンジン(SIGTERMの扱い 扱い = SIGTERMの扱い::既定, bool 入力あり = true);
    ~対話エンジン();
    対話エンジン(const 対話エンジン&) = delete;
    対話エンジン& operator=(const 対話エンジン&) = delete;

    // Writes everything (the engine keeps reading, so this does not block for long).
    void 書く(std::string_view text);
    void 入力を閉じる();
    // Output read so far plus what comes until a line that begins with `prefix` is complete
    // or `秒` seconds pass; the text returned is taken out of the buffer.
    std::string 行まで読む(std::string_view prefix, double 秒);
    // Output that comes within `秒` seconds (all of it, until the engine closes its output).
    std::string 読む(double 秒);
    // The exit status once the engine has ended within `秒` seconds; -1 when it has not
    // ended (or ended by a signal).
    int 終了を待つ(double 秒);
    void シグナル(int sig) const;
    // Whether the engine is blocked writing to its full output pipe within `秒` seconds (the
    // kernel's wait channel).
    bool 書込で止まる(double 秒) const;
    // A figure of /proc/<pid>/status in kB ("VmRSS", "VmHWM"); -1 when not found.
    long 状態(std::string_view key) const;

private:
    bool 少し読む(int timeout_ms);  // false once the output is closed

    pid_t pid_ = -1;
    int in_ = -1, out_ = -1;
    bool 終了済み_ = false;
    std::string 出力_;
};

}  // namespace yukora::test
