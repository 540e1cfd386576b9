// The main window "Yukora 将棋Ⅰ": the menu bar and the canvas; reports events to the game.
#pragma once
#include <QAction>
#include <QMainWindow>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "flow/menu_port.h"
#include "flow/window_events.h"
#include "settings/settings_ports.h"
#include "window/canvas_image.h"
#include "window/canvas_widget.h"
#include "window/review/review_side.h"

namespace yukora::window {

inline constexpr const char* 窓の題 = "Yukora 将棋Ⅰ";

class 主窓 final : public QMainWindow, public メニュー, public 表示倍率の窓 {
public:
    explicit 主窓(描画面& image);

    // Who receives menu commands, presses, keys and the close; none until the game is wired.
    void 受け手設定(窓イベント* receiver) { 受け手_ = receiver; }

    // The frame at the top-left corner of the screen's free area, the client area 9800 × 8000
    // twips times the zoom, unless maximised.
    void 初期配置();

    // The canvas, the menus and the boxes take the zoom; once placed, the window grows or
    // shrinks with a listed zoom unless it is maximised, and is never smaller than its canvas
    // at that zoom. To fit the window it keeps its size.
    void 表示倍率設定(int 倍率) override;
    int 初回の表示倍率() const override;
    int 収まる倍率(int 倍率) const override;
    // The zoom the menus and boxes take: the listed zoom, or to fit the window the canvas's.
    qreal 部品の倍率() const;

    void 印設定(メニュー操作 item, bool checked) override;
    // "最近のﾌｧｲﾙ": one numbered item per record (RECENT1 …), or a disabled "(なし)".
    void 最近のファイル設定(const std::vector<std::string>& paths) override;
    bool 印あり(メニュー操作 item) const override;
    // By control name ("LEVEL3"); false or none for a name that is no item.
    bool 印あり(std::string_view control) const;
    QAction* 項目(std::string_view control) const;
    QAction* 項目(メニュー操作 item) const { return 項目(操作名(item)); }
    画布& キャンバス() { return *画布_; }
    // The menu bar, the canvas and the panel laid out at once for the window's size, even while
    // the window is hidden.
    void 配置し直す();
    // The move list and graph right of the board, hidden until wanted.
    棋譜側板& 側板() { return *側板_; }

protected:
    // Esc reaching any widget of this window ends the game, whatever has the focus (the menu
    // bar keeps it after a menu was closed with Esc); an open menu or dialog takes its own.
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // A local file dragged onto the window opens as a record, once the drop is over.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void メニューを作る();
    void 伝える(メニュー操作 item);
    // The client size for the canvas's zoom (to fit the window: the first-start zoom's).
    void 大きさを倍率に合わせる();
    // The menus' texts at the zoom.
    void 文字を倍率に合わせる();
    // Only the zooms at which the window fits on its screen can be chosen.
    void 倍率の項目を選べるものに();
    // The outer size minus the inner one: none known before the window manager framed it.
    QSize 枠() const { return frameGeometry().size() - geometry().size(); }
    // The panel's width at 100 % while it shows, else 0.
    int 側板の分() const { return 側板_->isHidden() ? 0 : 側板の幅; }

    画布* 画布_;
    棋譜側板* 側板_;
    std::map<std::string_view, QAction*, std::less<>> 項目_;
    // The menu bar and the menus with the fonts they had at 100 %.
    std::vector<std::pair<QWidget*, QFont>> 文字の部品_;
    std::map<メニュー操作, QMenu*> メニュー_;
    std::vector<std::string> 最近のファイル名_;  // the object names of the recent items
    窓イベント* 受け手_ = nullptr;
    bool 配置済_ = false;
    bool 画面の見張り_ = false;     // the screen's changes followed
    std::optional<QPoint> 枠の角_;  // where the frame goes when the window first shows
};

}  // namespace yukora::window
