#include "usi/termination.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace yukora {
namespace {

// A signal handler reaches nothing but process-wide state: the pipe's writing end.
int 合図の書込口 = -1;

extern "C" void 合図を書く(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(合図の書込口, &byte, 1);  // async-signal-safe
    errno = saved;
}

}  // namespace

int 終了シグナルを受ける() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
    合図の書込口 = fds[1];
    struct sigaction sa {};
    sa.sa_handler = 合図を書く;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0;  // no restart: a write blocked on a full pipe gives up, the engine ends
    if (sigaction(SIGTERM, &sa, nullptr) != 0) return -1;
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    return fds[0];
}

}  // namespace yukora
