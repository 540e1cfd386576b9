#include "engine_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

namespace yukora::test {

std::vector<std::string> 行に分ける(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

実行結果 エンジンを走らせる(const std::string& input, int 秒) {
    実行結果 r;
    int to_child[2], from_child[2];
    if (pipe(to_child) != 0 || pipe(from_child) != 0) return r;
    const pid_t pid = fork();
    if (pid < 0) return r;
    if (pid == 0) {
        dup2(to_child[0], 0);
        dup2(from_child[1], 1);
        close(to_child[0]);
        close(to_child[1]);
        close(from_child[0]);
        close(from_child[1]);
        execl(YUKORA_USI_PATH, YUKORA_USI_PATH, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(to_child[0]);
    close(from_child[1]);
    signal(SIGPIPE, SIG_IGN);
    int in = to_child[1];
    const int out = from_child[0];
    fcntl(in, F_SETFL, O_NONBLOCK);
    std::size_t written = 0;
    if (input.empty()) close(in), in = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(秒);
    bool open = true;
    while (open) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            r.時間切れ = true;
            break;
        }
        pollfd fds[2] = {{out, POLLIN, 0}, {in, POLLOUT, 0}};
        if (poll(fds, in >= 0 ? 2 : 1, static_cast<int>(left.count())) < 0) break;
        if (fds[0].revents & (POLLIN | POLLHUP)) {
            char buf[4096];
            const ssize_t n = read(out, buf, sizeof buf);
            if (n <= 0) open = false;
            else r.出力.append(buf, static_cast<std::size_t>(n));
        }
        if (in >= 0 && (fds[1].revents & (POLLOUT | POLLERR | POLLHUP))) {
            const ssize_t n = write(in, input.data() + written, input.size() - written);
            if (n > 0) written += static_cast<std::size_t>(n);
            if (n < 0 || written == input.size()) close(in), in = -1;
        }
    }
    if (in >= 0) close(in);
    close(out);
    if (r.時間切れ) kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!r.時間切れ && WIFEXITED(status)) r.終了コード = WEXITSTATUS(status);
    return r;
}

namespace {

pid_t 起動する(int& in, int& out, SIGTERMの扱い 扱い, bool 入力あり) {
    int to_child[2], from_child[2];
    if (pipe(to_child) != 0 || pipe(from_child) != 0) return -1;
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (扱い == SIGTERMの扱い::無視) signal(SIGTERM, SIG_IGN);
        if (扱い == SIGTERMの扱い::遮断) {
            sigset_t set;
            sigemptyset(&set);
            sigaddset(&set, SIGTERM);
            sigprocmask(SIG_BLOCK, &set, nullptr);
        }
        if (入力あり) dup2(to_child[0], 0);
        else close(0);
        dup2(from_child[1], 1);
        close(to_child[0]);
        close(to_child[1]);
        close(from_child[0]);
        close(from_child[1]);
        execl(YUKORA_USI_PATH, YUKORA_USI_PATH, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(to_child[0]);
    close(from_child[1]);
    in = to_child[1];
    out = from_child[0];
    return pid;
}

}  // namespace

対話エンジン::対話エンジン(SIGTERMの扱い 扱い, bool 入力あり) {
    signal(SIGPIPE, SIG_IGN);
    pid_ = 起動する(in_, out_, 扱い, 入力あり);
}

対話エンジン::~対話エンジン() {
    if (in_ >= 0) close(in_);
    if (out_ >= 0) close(out_);
    if (pid_ > 0 && !終了済み_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

void 対話エンジン::書く(std::string_view text) {
    while (!text.empty() && in_ >= 0) {
        const ssize_t n = write(in_, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

void 対話エンジン::入力を閉じる() {
    if (in_ >= 0) close(in_);
    in_ = -1;
}

bool 対話エンジン::少し読む(int timeout_ms) {
    if (out_ < 0) return false;
    pollfd fd{out_, POLLIN, 0};
    if (poll(&fd, 1, timeout_ms) <= 0) return true;
    char buf[4096];
    const ssize_t n = read(out_, buf, sizeof buf);
    if (n <= 0) {
        close(out_);
        out_ = -1;
        return false;
    }
    出力_.append(buf, static_cast<std::size_t>(n));
    return true;
}

namespace {

// The end of the first complete line of `text` that begins with `prefix`; npos when none.
std::size_t 行の終わり(const std::string& text, std::string_view prefix) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t nl = text.find('\n', start);
        if (nl == std::string::npos) return nl;
        if (std::string_view(text).substr(start, nl - start).starts_with(prefix)) return nl + 1;
        start = nl + 1;
    }
    return std::string::npos;
}

using 時計 = std::chrono::steady_clock;

int 残りミリ秒(時計::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - 時計::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

時計::time_point 秒後(double 秒) {
    return 時計::now() + std::chrono::milliseconds(static_cast<long>(秒 * 1000));
}

}  // namespace

std::string 対話エンジン::行まで読む(std::string_view prefix, double 秒) {
    const auto deadline = 秒後(秒);
    std::size_t end = 行の終わり(出力_, prefix);
    while (end == std::string::npos && 残りミリ秒(deadline) > 0 && 少し読む(残りミリ秒(deadline)))
        end = 行の終わり(出力_, prefix);
    if (end == std::string::npos) end = 出力_.size();
    std::string got = 出力_.substr(0, end);
    出力_.erase(0, end);
    return got;
}

std::string 対話エンジン::読む(double 秒) {
    const auto deadline = 秒後(秒);
    while (残りミリ秒(deadline) > 0 && 少し読む(残りミリ秒(deadline))) {
    }
    return std::exchange(出力_, {});
}

int 対話エンジン::終了を待つ(double 秒) {
    const auto deadline = 秒後(秒);
    while (true) {
        int status = 0;
        const pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == pid_) {
            終了済み_ = true;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (r < 0 || 残りミリ秒(deadline) == 0) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void 対話エンジン::シグナル(int sig) const {
    if (pid_ > 0 && !終了済み_) kill(pid_, sig);
}

bool 対話エンジン::書込で止まる(double 秒) const {
    const auto deadline = 秒後(秒);
    while (残りミリ秒(deadline) > 0) {
        std::ifstream in("/proc/" + std::to_string(pid_) + "/wchan");
        std::string where;
        std::getline(in, where);
        if (where.find("pipe_write") != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

long 対話エンジン::状態(std::string_view key) const {
    std::ifstream in("/proc/" + std::to_string(pid_) + "/status");
    for (std::string line; std::getline(in, line);)
        if (line.starts_with(key) && line.size() > key.size() && line[key.size()] == ':')
            return std::stol(line.substr(key.size() + 1));
    return -1;
}

}  // namespace yukora::test
