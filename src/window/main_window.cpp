#include "window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "display/grid.h"
#include "settings/settings_state.h"
#include "window/menu_table.h"
#include "window/pictures/art.h"
#include "window/window_size.h"
#include "window/zoom.h"
#include "window/zoomed_text.h"

namespace yukora::window {

主窓::主窓(描画面& image) {
    setWindowTitle(QString::fromUtf8(窓の題));
    // The board's canvas, and beside it the panel that is hidden in the classic window.
    auto* middle = new QWidget(this);
    auto* row = new QHBoxLayout(middle);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    画布_ = new 画布(image, middle);
    側板_ = new 棋譜側板(middle);
    row->addWidget(画布_, 1);
    row->addWidget(側板_);
    setCentralWidget(middle);
    画布_->押下 = [this](int button, int X, int Y) {
        if (受け手_ != nullptr) 受け手_->マウス押下(button, X, Y);
    };
    側板_->行選択 = [this](int i) {
        if (受け手_ != nullptr) 受け手_->手順選択(i);
    };
    側板_->コメント変更 = [this](const std::string& text) {
        if (受け手_ != nullptr) 受け手_->コメント編集(text);
    };
    側板_->変化選択 = [this](int k) {
        if (受け手_ != nullptr) 受け手_->変化選択(k);
    };
    側板_->解析中止 = [this] { 伝える(メニュー操作::KAISEKI_STOP); };
    // At a listed zoom the window grows by the panel and the board keeps its size.
    側板_->見え方変更 = [this] {
        倍率の項目を選べるものに();
        if (配置済_ && !isMaximized() && !isFullScreen() &&
            画布_->表示倍率の項目() != 表示倍率_合わせる)
            大きさを倍率に合わせる();
    };
    メニューを作る();
    項目(メニュー操作::COPY_KIF)->setShortcut(QKeySequence::Copy);
    項目(メニュー操作::PASTE)->setShortcut(QKeySequence::Paste);
    最近のファイル設定({});
    setAcceptDrops(true);
    QApplication::instance()->installEventFilter(this);
}

void 主窓::メニューを作る() {
    文字の部品_.emplace_back(menuBar(), menuBar()->font());
    std::map<メニュー操作, QMenu*>& menus = メニュー_;
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
            // The frame is known by then, and the screen may have changed.
            if (control == メニュー操作::BAIRITU)
                connect(menu, &QMenu::aboutToShow, this, [this] { 倍率の項目を選べるものに(); });
            文字の部品_.emplace_back(menu, menu->font());
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

void 主窓::最近のファイル設定(const std::vector<std::string>& paths) {
    QMenu* menu = メニュー_.at(メニュー操作::RECENT);
    for (const std::string& name : 最近のファイル名_) 項目_.erase(name);
    最近のファイル名_.clear();
    menu->clear();
    if (paths.empty()) menu->addAction(QStringLiteral("(なし)"))->setEnabled(false);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        QString path = QFile::decodeName(QByteArray::fromStdString(paths[i]));
        path.replace(QLatin1Char('&'), QStringLiteral("&&"));  // no mnemonic in a name
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        最近のファイル名_.push_back("RECENT" + std::to_string(i + 1));
        a->setObjectName(QString::fromStdString(最近のファイル名_.back()));
        const int index = static_cast<int>(i);
        connect(a, &QAction::triggered, this, [this, index] {
            if (受け手_ != nullptr) 受け手_->最近のファイルを開く(index);
        });
    }
    // The names are kept apart from the items, which the menu owns; the map finds both.
    for (std::size_t i = 0; i < 最近のファイル名_.size(); ++i)
        項目_.emplace(最近のファイル名_[i], menu->actions().at(static_cast<qsizetype>(i)));
}

void 主窓::dragEnterEvent(QDragEnterEvent* e) {
    const QList<QUrl> urls = e->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) e->acceptProposedAction();
}

void 主窓::dropEvent(QDropEvent* e) {
    const QList<QUrl> urls = e->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    e->acceptProposedAction();
    const std::string path = QFile::encodeName(urls.front().toLocalFile()).toStdString();
    // The boxes of the load would hold up the program the file came from.
    QTimer::singleShot(0, this, [this, path] {
        if (受け手_ != nullptr) 受け手_->ファイルを開く(path);
    });
}

bool 主窓::印あり(std::string_view control) const {
    const QAction* a = 項目(control);
    return a != nullptr && a->isChecked();
}

void 主窓::初期配置() {
    配置済_ = true;
    倍率の項目を選べるものに();
    if (isMaximized()) return;
    大きさを倍率に合わせる();
    枠の角_ = screen() != nullptr ? screen()->availableGeometry().topLeft() : QPoint();
    move(*枠の角_);
}

void 主窓::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (std::exchange(画面の見張り_, true) || windowHandle() == nullptr) return;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { 倍率の項目を選べるものに(); });
}

void 主窓::表示倍率設定(int 倍率) {
    画布_->表示倍率設定(倍率);
    文字を倍率に合わせる();
    側板_->倍率設定(部品の倍率());
    const bool fixed = 倍率 != 表示倍率_合わせる;
    // Never smaller than the canvas at a listed zoom; to fit the window, any size.
    画布_->setMinimumSize(fixed ? 窓の中の大きさ(倍率) - QSize(0, menuBar()->sizeHint().height())
                                : QSize(0, 0));
    if (isMaximized() || isFullScreen() || (配置済_ && !fixed)) return;
    大きさを倍率に合わせる();
}

int 主窓::初回の表示倍率() const {
    const QScreen* s = screen();
    if (s == nullptr) return 表示倍率_既定;
    return 初回の倍率(s->availableGeometry().size(), 窓の中の大きさ(表示倍率_既定));
}

int 主窓::収まる倍率(int 倍率) const {
    const QScreen* s = screen();
    if (s == nullptr || 倍率 == 表示倍率_合わせる) return 倍率;
    return window::収まる倍率(倍率, 枠(), s->availableGeometry().size(), 側板の分());
}

qreal 主窓::部品の倍率() const {
    const int 倍率 = 画布_->表示倍率の項目();
    return 倍率 == 表示倍率_合わせる ? 画布_->表示倍率() : 倍率 / 100.0;
}

void 主窓::倍率の項目を選べるものに() {
    for (const auto& [item, 倍率] : 倍率項目一覧)
        if (QAction* a = 項目(item)) a->setEnabled(収まる倍率(倍率) == 倍率);
}

void 主窓::文字を倍率に合わせる() {
    // To fit the window the menus keep the size the window started with: a menu bar that
    // grew with the window would change the canvas it is fitted to.
    const int 倍率 = 画布_->表示倍率の項目();
    const qreal zoom = (倍率 == 表示倍率_合わせる ? 初回の表示倍率() : 倍率) / 100.0;
    for (const auto& [w, font] : 文字の部品_) w->setFont(倍率の書体(font, zoom));
}

void 主窓::大きさを倍率に合わせる() {
    const int 倍率 =
        画布_->表示倍率の項目() == 表示倍率_合わせる ? 初回の表示倍率() : 画布_->表示倍率の項目();
    // The window's least size follows the canvas's first, so that it may shrink; the canvas
    // learns its size at once, so that a fitting zoom is drawn once, at its size.
    配置し直す();
    resize(窓の中の大きさ(倍率, 側板の分()));
    配置し直す();
    画布_->合わせ直す();
}

void 主窓::配置し直す() {
    // The canvas and the panel have a layout of their own, which a hidden window would lay out
    // only when shown.
    for (QLayout* l : {layout(), centralWidget()->layout()}) {
        if (l == nullptr) continue;
        l->invalidate();
        l->activate();
    }
}

bool 主窓::eventFilter(QObject* watched, QEvent* e) {
    // The frame's corner, not the client area's, so that the title bar is on the screen. Set
    // as the window maps: every resize before asks for the client area's corner again.
    if (e->type() == QEvent::Show && watched == windowHandle() && 枠の角_)
        windowHandle()->setFramePosition(*std::exchange(枠の角_, std::nullopt));
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
    else if (e->key() == Qt::Key_Left) code = キー_左;
    else if (e->key() == Qt::Key_Right) code = キー_右;
    else if (e->key() == Qt::Key_Home) code = キー_Home;
    else if (e->key() == Qt::Key_End) code = キー_End;
    else if (!e->text().isEmpty()) code = e->text().at(0).unicode();
    if (code != 0 && 受け手_ != nullptr) 受け手_->キー押下(code);
    else QMainWindow::keyPressEvent(e);
}

void 主窓::closeEvent(QCloseEvent* e) {
    if (受け手_ != nullptr) 受け手_->閉じる();
    e->accept();
}

}  // namespace yukora::window
