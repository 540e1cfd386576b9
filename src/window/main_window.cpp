#include "window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "display/grid.h"
#include "settings/settings_state.h"
#include "window/menu_table.h"
#include "window/pictures/art.h"
#include "window/zoom.h"

namespace yukora::window {

主窓::主窓(描画面& image) : 画布_(new 画布(image, this)) {
    setWindowTitle(QString::fromUtf8(窓の題));
    setCentralWidget(画布_);
    画布_->押下 = [this](int button, int X, int Y) {
        if (受け手_ != nullptr) 受け手_->マウス押下(button, X, Y);
    };
    メニューを作る();
    QApplication::instance()->installEventFilter(this);
}

void 主窓::メニューを作る() {
    std::map<メニュー操作, QMenu*> menus;
    for (const auto& m : メニュー表()) {
        const QString caption = QString::fromUtf8(m.caption);
        const メニュー操作 control = m.control;
        const QString name = QString::fromLatin1(操作名(control));
        QAction* action = nullptr;
        if (m.submenu) {
            QMenu* menu =
                !m.parent ? menuBar()->addMenu(caption) : menus.at(*m.parent)->addMenu(caption);
            menu->setObjectName(name);
            // Opening a menu is a command of its own ("TAIKYOKU", "STOP", "OPTION").
            connect(menu, &QMenu::aboutToShow, this, [this, control] { 伝える(control); });
            menus.emplace(control, menu);
            action = menu->menuAction();
        } else {
            action =
                !m.parent ? menuBar()->addAction(caption) : menus.at(*m.parent)->addAction(caption);
            action->setCheckable(m.checkable);
            action->setChecked(m.checked);
            // Check marks change only when the game says so, not by the click itself.
            connect(action, &QAction::triggered, this, [this, action, control](bool checked) {
                if (action->isCheckable()) action->setChecked(!checked);
                伝える(control);
            });
        }
        action->setObjectName(name);
        項目_.emplace(操作名(control), action);
    }
}

void 主窓::伝える(メニュー操作 item) {
    if (受け手_ != nullptr) 受け手_->メニュー選択(item);
}

QAction* 主窓::項目(std::string_view control) const {
    const auto it = 項目_.find(control);
    return it == 項目_.end() ? nullptr : it->second;
}

void 主窓::印設定(メニュー操作 item, bool checked) {
    if (QAction* a = 項目(item)) a->setChecked(checked);
}

bool 主窓::印あり(メニュー操作 item) const { return 印あり(操作名(item)); }

bool 主窓::印あり(std::string_view control) const {
    const QAction* a = 項目(control);
    return a != nullptr && a->isChecked();
}

void 主窓::初期配置() {
    配置済_ = true;
    if (isMaximized()) return;
    move(0, 0);
    大きさを倍率に合わせる();
}

void 主窓::表示倍率設定(int 倍率) {
    画布_->表示倍率設定(倍率);
    if (isMaximized() || isFullScreen() || (配置済_ && 倍率 == 表示倍率_合わせる)) return;
    大きさを倍率に合わせる();
}

int 主窓::初回の表示倍率() const {
    const QScreen* s = screen();
    if (s == nullptr) return 表示倍率_既定;
    return 初回の倍率(s->availableGeometry().size(),
                      QSize(窓幅twips / 画素あたりtwip, 窓高さtwips / 画素あたりtwip));
}

void 主窓::大きさを倍率に合わせる() {
    const int 倍率 =
        画布_->表示倍率の項目() == 表示倍率_合わせる ? 初回の表示倍率() : 画布_->表示倍率の項目();
    const QSize 外(窓幅twips / 画素あたりtwip, 窓高さtwips / 画素あたりtwip);
    const QSize 枠 = frameGeometry().size() - geometry().size();
    // The menu bar keeps its height; the canvas below it grows with the zoom.
    const int menu = menuBar()->sizeHint().height();
    const QSize 中 = 外 - 枠 - QSize(0, menu);
    QSize size(qRound(中.width() * 倍率 / 100.0), qRound(中.height() * 倍率 / 100.0) + menu);
    const QScreen* s = screen();
    if (倍率 > 表示倍率_既定 && s != nullptr)
        size = size.boundedTo(s->availableGeometry().size() - 枠);
    resize(size);
    // The canvas learns its size now, so that a fitting zoom is drawn once, at its size.
    if (layout() != nullptr) {
        layout()->invalidate();
        layout()->activate();
    }
    画布_->合わせ直す();
}

bool 主窓::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress || 受け手_ == nullptr) return false;
    if (static_cast<QKeyEvent*>(e)->key() != Qt::Key_Escape) return false;
    const auto* w = qobject_cast<QWidget*>(watched);
    if (w == nullptr || w->window() != this) return false;
    if (QApplication::activePopupWidget() != nullptr ||
        QApplication::activeModalWidget() != nullptr)
        return false;
    受け手_->キー押下(キー_Esc);
    return true;
}

void 主窓::keyPressEvent(QKeyEvent* e) {
    int code = 0;
    if (e->key() == Qt::Key_Escape) code = キー_Esc;
    else if (!e->text().isEmpty()) code = e->text().at(0).unicode();
    if (code != 0 && 受け手_ != nullptr) 受け手_->キー押下(code);
    else QMainWindow::keyPressEvent(e);
}

void 主窓::closeEvent(QCloseEvent* e) {
    if (受け手_ != nullptr) 受け手_->閉じる();
    e->accept();
}

}  // namespace yukora::window
