#include "window/quit_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>

namespace yukora::window {
namespace {

// The one thing a signal handler may reach: the write end of the socket pair. Signal handlers
// have no other way to find their receiver.
std::atomic<int> 書込口{-1};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void シグナルを書く(int signal) {
    const int saved = errno;
    const int fd = 書込口.load(std::memory_order_relaxed);
    const unsigned char byte = static_cast<unsigned char>(signal);
    if (fd >= 0) {
        // Non-blocking: when the pair is full, earlier signals already wait to be read.
        const ssize_t written = ::write(fd, &byte, 1);
        static_cast<void>(written);
    }
    errno = saved;
}

}  // namespace

終了シグナル::終了シグナル(std::function<void(int)> 終了) : 終了_(std::move(終了)) {
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds) != 0)
        throw std::system_error(errno, std::system_category(), "socketpair");
    受口_ = fds[0];
    送口_ = fds[1];
    通知_ = std::make_unique<QSocketNotifier>(受口_, QSocketNotifier::Read);
    QObject::connect(通知_.get(), &QSocketNotifier::activated, 通知_.get(), [this] { 届いた(); });
    前の送口_ = 書込口.exchange(送口_);

    struct sigaction act {};
    act.sa_handler = シグナルを書く;
    sigemptyset(&act.sa_mask);
    act.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < 対象.size(); ++i) ::sigaction(対象[i], &act, &前の動作_[i]);

    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, &前のXFSZ_);
}

終了シグナル::~終了シグナル() {
    ::sigaction(SIGXFSZ, &前のXFSZ_, nullptr);
    for (std::size_t i = 0; i < 対象.size(); ++i) ::sigaction(対象[i], &前の動作_[i], nullptr);
    書込口.store(前の送口_);
    通知_.reset();
    ::close(送口_);
    ::close(受口_);
}

void 終了シグナル::届いた() {
    unsigned char byte = 0;
    while (::read(受口_, &byte, 1) == 1)
        if (終了_) 終了_(byte);
}

}  // namespace yukora::window
