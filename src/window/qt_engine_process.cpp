#include "window/qt_engine_process.h"

#include <QDeadlineTimer>
#include <QFileInfo>

#include "engine/usi_commands.h"

namespace yukora::window {
namespace {

constexpr int 終了の猶予ms = 1000;

}  // namespace

エンジン墓場::~エンジン墓場() {
    const QDeadlineTimer deadline(終了の猶予ms);
    for (QProcess* p : 墓_) {
        p->disconnect();
        if (!p->waitForFinished(static_cast<int>(std::max<qint64>(0, deadline.remainingTime())))) {
            p->kill();
            p->waitForFinished(-1);
        }
        delete p;
    }
}

void エンジン墓場::葬る(QProcess* p) {
    p->disconnect();
    p->setParent(nullptr);
    if (p->state() == QProcess::NotRunning) {
        p->deleteLater();
        return;
    }
    墓_.push_back(p);
    p->write(std::string(quit命令).append("\n").c_str());
    p->closeWriteChannel();
    // Nothing it prints is read any more: a flood ends against a closed pipe.
    p->closeReadChannel(QProcess::StandardOutput);
    QObject::connect(p, &QProcess::finished, p, [this, p] { 片付ける(p); });
    QTimer::singleShot(終了の猶予ms, p, [p] {
        if (p->state() != QProcess::NotRunning) p->kill();
    });
}

void エンジン墓場::片付ける(QProcess* p) {
    std::erase(墓_, p);
    p->deleteLater();
}

Qtエンジンプロセス::Qtエンジンプロセス(エンジン墓場& graveyard) : graveyard_(graveyard) {}

Qtエンジンプロセス::~Qtエンジンプロセス() { 終える(); }

void Qtエンジンプロセス::起動(const std::string& path, エンジン出力の受け手& to) {
    to_ = &to;
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    if (!info.exists()) return to.起動できなかった("ファイルがありません: " + path);
    if (!info.isFile() || !info.isExecutable())
        return to.起動できなかった("実行できるファイルではありません: " + path);
    process_ = new QProcess(this);
    process_->setWorkingDirectory(info.absolutePath());
    process_->setStandardErrorFile(QProcess::nullDevice());
    connect(process_, &QProcess::readyReadStandardOutput, this, [this] { 読む(); });
    connect(process_, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus status) { 終わった(code, status); });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart && !終えた_ && to_ != nullptr)
            to_->起動できなかった(process_->errorString().toStdString());
    });
    process_->start(file, {});
}

void Qtエンジンプロセス::書く(std::string_view line) {
    if (process_ == nullptr || 終えた_) return;
    std::string text(line);
    text += '\n';
    process_->write(text.data(), static_cast<qint64>(text.size()));
}

void Qtエンジンプロセス::読む() {
    if (process_ == nullptr) return;
    const QByteArray bytes = process_->readAllStandardOutput();
    切り分け_.入れる(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    出力行 line;
    // The receiver may end the process while it handles a line: nothing follows then.
    while (!終えた_ && 切り分け_.取り出す(line)) to_->行が来た(line.text, line.長すぎる);
}

void Qtエンジンプロセス::終わった(int code, QProcess::ExitStatus status) {
    if (終えた_) return;
    読む();
    切り分け_.終わる();
    出力行 line;
    while (!終えた_ && 切り分け_.取り出す(line)) to_->行が来た(line.text, line.長すぎる);
    if (!終えた_) to_->終了した(code, status == QProcess::CrashExit);
}

void Qtエンジンプロセス::終える() {
    if (終えた_) return;
    終えた_ = true;
    if (process_ == nullptr) return;
    QProcess* p = process_;
    process_ = nullptr;
    graveyard_.葬る(p);
}

Qt刻み::Qt刻み(int ms) {
    タイマー_.setInterval(ms);
    QObject::connect(&タイマー_, &QTimer::timeout, [this] {
        if (時刻) 時刻();
    });
}

void Qt刻み::有効設定(bool on) {
    if (on && !タイマー_.isActive()) タイマー_.start();
    else if (!on) タイマー_.stop();
}

}  // namespace yukora::window
