// The version dialog Form2 "バージョン情報": the version picture with "ホームページ" and "O K".
#pragma once
#include <QDialog>
#include <QPushButton>
#include <functional>

#include "help/ports.h"

namespace yukora::window {

// Form2 itself: 333 × 102 pixels of client area (4995 × 1530 twips) at 100 %; at another
// zoom the picture is drawn at that size and the buttons and their font grow with it.
class 版情報画面 final : public QDialog {
public:
    explicit 版情報画面(QWidget* parent = nullptr, qreal zoom = 1.0);
    QPushButton* Command1() const { return Command1_; }  // "ホームページ"
    QPushButton* Command2() const { return Command2_; }  // "O K"
    // True once it was closed with "ホームページ".
    bool ホームページ() const { return ホームページ_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPushButton* Command1_;
    QPushButton* Command2_;
    qreal zoom_;
    bool ホームページ_ = false;
};

class 版情報ダイアログ final : public 版情報窓 {
public:
    explicit 版情報ダイアログ(QWidget* parent) : 親_(parent) {}

    // Shows Form2 modally; true when it was closed with "ホームページ".
    bool 表示() override;

    // Runs inside the dialog's own event loop once it is open (a test presses a button here).
    std::function<void(版情報画面&)> 表示中;
    // The zoom of the main window, which the dialog takes.
    std::function<qreal()> 倍率;

private:
    QWidget* 親_;
};

}  // namespace yukora::window
