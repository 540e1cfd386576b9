// The main window "Yukora 将棋Ⅰ": the menu bar and the canvas; reports events to the game.
#pragma once
#include <QAction>
#include <QMainWindow>
#include <map>
#include <string>

#include "display/menu_port.h"
#include "display/window_events.h"
#include "window/canvas_image.h"
#include "window/canvas_widget.h"

namespace yukora::window {

inline constexpr const char* 窓の題 = "Yukora 将棋Ⅰ";

class 主窓 final : public QMainWindow, public メニュー {
public:
    explicit 主窓(描画面& image);

    // Who receives menu commands, presses, keys and the close; none until the game is wired.
    void 受け手設定(窓イベント* receiver) { 受け手_ = receiver; }

    // At (0, 0) with an outer size of 9800 × 8000 twips, unless maximised.
    void 初期配置();

    void 印設定(std::string_view control, bool checked) override;
    bool 印あり(std::string_view control) const override;
    QAction* 項目(std::string_view control) const;
    画布& キャンバス() { return *画布_; }

protected:
    // Esc reaching any widget of this window ends the game, whatever has the focus (the menu
    // bar keeps it after a menu was closed with Esc); an open menu or dialog takes its own.
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void メニューを作る();
    void 伝える(const char* control);

    画布* 画布_;
    std::map<std::string, QAction*, std::less<>> 項目_;
    窓イベント* 受け手_ = nullptr;
};

}  // namespace yukora::window
