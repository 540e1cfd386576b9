// Makes writes beyond a size fail in this process, as on a full disk; undone on destruction.
#pragma once
#include <sys/resource.h>

#include <csignal>

namespace yukora::test::棋譜試験 {

class 書込上限 {
public:
    explicit 書込上限(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = old_;
        lim.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~書込上限() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }
    書込上限(const 書込上限&) = delete;
    書込上限& operator=(const 書込上限&) = delete;

private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
};

}  // namespace yukora::test::棋譜試験
