// The system web browser through the desktop's opener (xdg-open), started with the address.
// QDesktopServices cannot tell when the opener finds no browser; here its exit status can.
#pragma once
#include <sys/types.h>

#include <QTimer>
#include <chrono>
#include <string>
#include <vector>

#include "help/ports.h"

namespace yukora::window {

class Qtブラウザ final : public ブラウザ {
public:
    // `opener` is run with the address as its one argument. It has `猶予` to fail (exit with
    // a status other than 0); still running after that, it counts as showing the page, as a
    // foreground browser does.
    explicit Qtブラウザ(std::string opener = "xdg-open",
                        std::chrono::milliseconds 猶予 = std::chrono::milliseconds(2000));
    ~Qtブラウザ() override;
    Qtブラウザ(const Qtブラウザ&) = delete;
    Qtブラウザ& operator=(const Qtブラウザ&) = delete;

    bool 表示(const std::string& address) override;

private:
    // Collects the openers that ended after their grace time; the others keep running.
    void 片付ける();

    std::string opener_;
    std::chrono::milliseconds 猶予_;
    std::vector<pid_t> 実行中_;
    QTimer 片付け_;
};

}  // namespace yukora::window
