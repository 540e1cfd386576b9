#include "window/qt_ports.h"

#include <QTime>
#include <chrono>
#include <thread>

#include "window/zoomed_text.h"

namespace yukora::window {

namespace {

// Qt shows the program's name in place of an empty window title; one blank shows as blank.
QString 箱の題(const std::string& title) {
    return title.empty() ? QStringLiteral(" ") : QString::fromStdString(title);
}

}  // namespace

int Qtダイアログ::箱を出す(QMessageBox::Icon icon, const std::string& text,
                           const std::string& title, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, 箱の題(title), QString::fromStdString(text), buttons, 親_);
    箱を倍率に合わせる(box, 倍率 ? 倍率() : 1.0);
    return box.exec();
}

void Qtダイアログ::メッセージ(const std::string& text, const std::string& title) {
    箱を出す(QMessageBox::NoIcon, text, title, QMessageBox::Ok);
}

void Qtダイアログ::警告(const std::string& text, const std::string& title) {
    箱を出す(QMessageBox::Warning, text, title, QMessageBox::Ok);
}

bool Qtダイアログ::質問(const std::string& text, const std::string& title) {
    return 箱を出す(QMessageBox::Question, text, title, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
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
