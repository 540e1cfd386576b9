// An engine's process on QProcess: its output arrives through the event loop, line by line.
// Ended processes are handed to a graveyard that sends "quit", kills them a second later if
// they are still there, and reaps them; the graveyard's end waits for the last of them.
#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QTimer>
#include <memory>

#include "engine/line_splitter.h"
#include "engine/process_port.h"
#include "game/clock_port.h"

namespace yukora::window {

class エンジン墓場 final {
public:
    エンジン墓場() = default;
    // Waits for every process still ending (at most a second each), killing the rest.
    ~エンジン墓場();
    エンジン墓場(const エンジン墓場&) = delete;
    エンジン墓場& operator=(const エンジン墓場&) = delete;

    // Takes `p` over: "quit", a kill one second later, deleted once it has ended.
    void 葬る(QProcess* p);
    // Processes not yet ended and reaped.
    int 残り() const { return static_cast<int>(墓_.size()); }

private:
    void 片付ける(QProcess* p);
    std::vector<QProcess*> 墓_;
};

class Qtエンジンプロセス final : public QObject, public エンジンプロセス {
public:
    explicit Qtエンジンプロセス(エンジン墓場& graveyard);
    ~Qtエンジンプロセス() override;

    void 起動(const std::string& path, エンジン出力の受け手& to) override;
    void 書く(std::string_view line) override;
    void 終える() override;
    // The process id while it runs; 0 otherwise (for tests).
    qint64 番号() const { return process_ ? process_->processId() : 0; }

private:
    void 読む();
    void 終わった(int code, QProcess::ExitStatus status);

    エンジン墓場& graveyard_;
    QProcess* process_ = nullptr;
    エンジン出力の受け手* to_ = nullptr;
    行の切り分け 切り分け_;
    bool 終えた_ = false;
};

// Milliseconds since the program started.
class Qt経過時計 final : public 経過時計 {
public:
    Qt経過時計() { 時計_.start(); }
    std::int64_t ミリ秒() override { return 時計_.elapsed(); }

private:
    QElapsedTimer 時計_;
};

// A periodic timer for the engine games' deadlines and clocks.
class Qt刻み final : public タイマー {
public:
    explicit Qt刻み(int ms);
    void 有効設定(bool on) override;
    bool 有効() const override { return タイマー_.isActive(); }
    std::function<void()> 時刻;

private:
    QTimer タイマー_;
};

}  // namespace yukora::window
