#include "engine_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

namespace yukora::test {

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

}  // namespace yukora::test
