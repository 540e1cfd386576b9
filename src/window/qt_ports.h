// Message boxes, the time of day and the timer Timer1 on Qt.
#pragma once
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "game/clock_port.h"
#include "game/dialog_port.h"

namespace yukora::window {

class Qtダイアログ final : public ダイアログ {
public:
    // The boxes are modal over `parent`; their title is the text given and nothing else.
    explicit Qtダイアログ(QWidget* parent) : 親_(parent) {}
    void メッセージ(const std::string& text, const std::string& title) override;
    void 警告(const std::string& text, const std::string& title) override;
    bool 質問(const std::string& text, const std::string& title) override;

    // The zoom the boxes take, 1 when none is given.
    std::function<qreal()> 倍率;

private:
    int 箱を出す(QMessageBox::Icon icon, const std::string& text, const std::string& title,
                 QMessageBox::StandardButtons buttons);

    QWidget* 親_;
};

class Qt時計 final : public 時計 {
public:
    float 現在秒() override;
    void 表示更新() override;
    // Repaints the window at once (set by the window).
    std::function<void()> 再描画;

protected:
    void 休む() override;
};

// Timer1: ticks every 50 ms while enabled.
class Qtタイマー final : public タイマー {
public:
    Qtタイマー();
    void 有効設定(bool on) override;
    bool 有効() const override { return タイマー_.isActive(); }
    std::function<void()> 時刻;  // the tick handler

private:
    QTimer タイマー_;
};

}  // namespace yukora::window
