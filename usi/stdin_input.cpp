#include "usi/stdin_input.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "usi/words.h"

namespace yukora {

標準入力::事象 標準入力::次(入力行& line) {
    while (true) {
        if (組立_.取り出す(line)) return 事象::行;
        if (終わった_) return 事象::終わり;
        読む(-1);
    }
}

割込み指示 標準入力::確かめる() {
    const auto& lines = 組立_.待ち行();
    const std::size_t 前 = lines.size();
    if (!終わった_ && 組立_.待ち量() < 待ち上限) 読む(0);
    if (終わった_ && lines.empty()) return 割込み指示::終える;
    for (std::size_t i = 前; i < lines.size(); ++i) {
        const std::string_view cmd = 語読み(lines[i].text).次();
        if (cmd == "quit") return 割込み指示::終える;
        if (cmd == "stop") return 割込み指示::止める;
    }
    return 割込み指示::続ける;
}

void 標準入力::読む(int timeout_ms) {
    pollfd fd{fd_, POLLIN, 0};
    if (poll(&fd, 1, timeout_ms) <= 0) return;  // nothing yet, or interrupted
    // A closed descriptor (POLLNVAL) is read too: its EBADF ends the input.
    if (!(fd.revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL))) return;
    const ssize_t n = read(fd_, buf_.data(), buf_.size());
    if (n > 0) {
        組立_.入れる({buf_.data(), static_cast<std::size_t>(n)});
    } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
        組立_.終わる();
        終わった_ = true;
    }
}

}  // namespace yukora
