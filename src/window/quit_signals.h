// The signals that ask the program to end (SIGTERM, SIGINT, SIGHUP), carried into the event
// loop through a socket pair, so that the program ends with its usual shutdown. SIGXFSZ is
// ignored while it lives: a write past the file-size limit then fails with EFBIG instead of
// killing the program.
#pragma once
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <functional>
#include <memory>

namespace yukora::window {

class 終了シグナル final {
public:
    // `終了` runs in the event loop, once for each signal received.
    explicit 終了シグナル(std::function<void(int signal)> 終了);
    ~終了シグナル();
    終了シグナル(const 終了シグナル&) = delete;
    終了シグナル& operator=(const 終了シグナル&) = delete;

    // The signals that end the program.
    static constexpr std::array<int, 3> 対象 = {SIGTERM, SIGINT, SIGHUP};

private:
    void 届いた();

    std::function<void(int)> 終了_;
    int 受口_ = -1, 送口_ = -1;  // read and write ends of the socket pair
    int 前の送口_ = -1;          // the handler's write end before this one
    std::array<struct sigaction, 対象.size()> 前の動作_{};
    struct sigaction 前のXFSZ_ {};
    std::unique_ptr<QSocketNotifier> 通知_;
};

}  // namespace yukora::window
