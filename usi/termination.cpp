#include "usi/termination.h"

#include <signal.h>
#include <unistd.h>

namespace yukora {
namespace {

extern "C" void 直ちに終わる(int) { _exit(0); }  // async-signal-safe

}  // namespace

bool 終了シグナルで終わる() {
    struct sigaction sa {};
    sa.sa_handler = 直ちに終わる;
    sigemptyset(&sa.sa_mask);
    if (sigaction(SIGTERM, &sa, nullptr) != 0) return false;
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    return sigprocmask(SIG_UNBLOCK, &set, nullptr) == 0;
}

}  // namespace yukora
