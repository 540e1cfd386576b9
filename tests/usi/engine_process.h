// Runs the yukora-usi executable with some input and collects its output.
#pragma once
#include <string>

namespace yukora::test {

struct 実行結果 {
    std::string 出力;
    int 終了コード = -1;    // exit status, -1 when killed or not run
    bool 時間切れ = false;  // killed after the deadline
};

// Writes `input` to the engine's standard input, closes it, and reads standard output until
// the engine ends or `秒` seconds have passed.
実行結果 エンジンを走らせる(const std::string& input, int 秒 = 30);

}  // namespace yukora::test
