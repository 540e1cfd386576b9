#include "window/qt_browser.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QUrl>
#include <thread>

namespace yukora::window {
namespace {

// Starts `opener address` with the usual signal dispositions (the program ignores SIGXFSZ);
// 0 when it could not be started.
pid_t 起動(const std::string& opener, const std::string& address) {
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGXFSZ);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
    std::string program = opener, argument = address;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    const int err = posix_spawnp(&pid, program.c_str(), nullptr, &attr, argv, environ);
    posix_spawnattr_destroy(&attr);
    return err == 0 ? pid : 0;
}

}  // namespace

Qtブラウザ::Qtブラウザ(std::string opener, std::chrono::milliseconds 猶予)
    : opener_(std::move(opener)), 猶予_(猶予) {
    片付け_.setInterval(1000);
    QObject::connect(&片付け_, &QTimer::timeout, [this] { 片付ける(); });
}

// Openers still running are left to the desktop: the page stays open after the game ends.
Qtブラウザ::~Qtブラウザ() { 片付ける(); }

bool Qtブラウザ::表示(const std::string& address) {
    // Strict parsing: a malformed address is refused rather than guessed at.
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    if (address.empty() || !url.isValid()) return false;
    const pid_t pid = 起動(opener_, address);
    if (pid == 0) return false;
    // The game waits, as it waited for the browser to finish loading.
    const auto end = std::chrono::steady_clock::now() + 猶予_;
    do {
        int status = 0;
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (ended < 0) return true;  // collected elsewhere: nothing to tell
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } while (std::chrono::steady_clock::now() < end);
    実行中_.push_back(pid);
    片付け_.start();
    return true;
}

void Qtブラウザ::片付ける() {
    std::erase_if(実行中_, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
    if (実行中_.empty()) 片付け_.stop();
}

}  // namespace yukora::window
