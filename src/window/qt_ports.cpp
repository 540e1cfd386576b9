#include "window/qt_ports.h"

#include <chrono>
#include <thread>

#include <QMessageBox>
#include <QTime>

namespace yukora::window {

void Qtダイアログ::メッセージ(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, 親_);
    box.exec();
}

bool Qtダイアログ::質問(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, 親_);
    return box.exec() == QMessageBox::Yes;
}

float Qt時計::現在秒() {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

void Qt時計::表示更新() {
    if (再描画) 再描画();
}

void Qt時計::休む() { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }

Qtタイマー::Qtタイマー() {
    タイマー_.setInterval(50);
    QObject::connect(&タイマー_, &QTimer::timeout, [this] {
        if (時刻) 時刻();
    });
}

void Qtタイマー::有効設定(bool on) {
    if (on) タイマー_.start();
    else タイマー_.stop();
}

}  // namespace yukora::window
