#include "window/panel/record_panel_widgets.h"

#include <QDir>
#include <QFont>
#include <QSignalBlocker>

#include "display/grid.h"
#include "panel/panel_commands.h"
#include "window/pictures/typeface.h"

namespace yukora::window {
namespace {

struct 欄の配置 {
    const char* 見出し;  // the caption beside the box
    int top;
};

// Label1(0..3) and Text1..Text4 side by side, in the order of their index.
constexpr 欄の配置 欄配置[4] = {
    {"ﾌｧｲﾙ名 ：", 3120},    // Label1(0), Text1
    {"後    手 ：", 2880},  // Label1(1), Text4
    {"先    手 ：", 2640},  // Label1(2), Text3
    {"対 局 名：", 2400},   // Label1(3), Text2
};

QFont パネルの書体(qreal zoom) {
    QFont f(QString::fromUtf8(絵の書体));
    f.setPixelSize(qMax(1, qRound(12 * zoom)));  // 9 points at 96 dpi, as the window's texts
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// The record files of `folder`, by name.
QStringList 棋譜ファイル一覧(const QString& folder) {
    if (folder.isEmpty()) return {};
    const QStringList kinds{QStringLiteral("*.棋譜"), QStringLiteral("*.kif"),
                            QStringLiteral("*.kifu"), QStringLiteral("*.ki2"),
                            QStringLiteral("*.ki2u"), QStringLiteral("*.csa")};
    return QDir(folder).entryList(kinds, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

// The formats "KIF･CSA書込" offers, as the list shows them.
constexpr std::pair<const char*, 棋譜形式> 書ける形式[] = {
    {"KIF", 棋譜形式::KIF},   {"KIFU", 棋譜形式::KIFU}, {"KI2", 棋譜形式::KI2},
    {"KI2U", 棋譜形式::KI2U}, {"CSA", 棋譜形式::CSA},
};

template <class T>
T* 置く(QWidget* parent, const char* name) {
    auto* w = new T(parent);
    w->setObjectName(QString::fromUtf8(name));
    // A press on a control, a caption included, is not a press on the window: the canvas
    // behind would close the panel and act on the board.
    w->setAttribute(Qt::WA_NoMousePropagation);
    w->hide();
    return w;
}

}  // namespace

棋譜パネル部品::棋譜パネル部品(QWidget* parent, const std::filesystem::path& 開始フォルダ)
    : 親_(parent),
      File1フォルダ_(
          QDir::cleanPath(QDir(QString::fromStdString(開始フォルダ.string())).absolutePath())) {}

void 棋譜パネル部品::用意() {
    if (作成済_) return;
    作成済_ = true;
    部品を作る(親_);
    // Each list is read whenever it is shown; until then only the folder is known.
    Dir1_->パスを置く(File1フォルダ_);
}

棋譜パネル部品::~棋譜パネル部品() {
    // The parent may outlive the panel; its callbacks point here.
    delete Drive1_.data();
    delete Dir1_.data();
    delete File1_.data();
    for (auto& w : Label1_) delete w.data();
    for (auto& w : Text_) delete w.data();
    delete Command1_.data();
    delete 形式_.data();
}

void 棋譜パネル部品::部品を作る(QWidget* parent) {
    Drive1_ = 置く<ドライブ一覧>(parent, "Drive1");
    Dir1_ = 置く<フォルダ一覧>(parent, "Dir1");
    File1_ = 置く<QListWidget>(parent, "File1");
    File1_->setSelectionMode(QAbstractItemView::SingleSelection);
    File1_->setUniformItemSizes(true);
    File1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    配置_ = {{Drive1_.data(), QRect(240, 360, 2535, 300)},
             {Dir1_.data(), QRect(240, 600, 2535, 1710)},
             {File1_.data(), QRect(240, 2280, 2535, 930)}};

    const char* 欄名[4] = {"Text1", "Text4", "Text3", "Text2"};
    for (int i = 0; i < 4; ++i) {
        const int top = 欄配置[i].top;
        QLabel* label = 置く<QLabel>(parent, ("Label1_" + std::to_string(i)).c_str());
        label->setText(QString::fromUtf8(欄配置[i].見出し));
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setIndent(1);
        Label1_[static_cast<std::size_t>(i)] = label;
        QLineEdit* text = 置く<QLineEdit>(parent, 欄名[i]);
        text->setTextMargins(1, 0, 1, 0);
        // Text1 at index 0 … Text4 at index 3.
        const int n = 欄名[i][4] - '1';
        Text_[static_cast<std::size_t>(n)] = text;
        if (n > 0) text->setMaxLength(見出しの最大文字数);  // the header lines of a record
        配置_.emplace_back(label, QRect(120, top, 855, 255));
        配置_.emplace_back(text, QRect(960, top, 2295, 270));
    }
    Command1_ = 置く<QPushButton>(parent, "Command1");
    Command1_->setText(QStringLiteral("RETURN"));
    Command1_->setAutoDefault(false);
    配置_.emplace_back(Command1_.data(), QRect(3360, 3360, 855, 375));
    形式_ = 置く<QComboBox>(parent, "形式");
    for (const auto& [name, f] : 書ける形式)
        形式_->addItem(QString::fromUtf8(name), static_cast<int>(f));
    形式_->setToolTip(QStringLiteral("書き込む形式（拡張子はこれに合わせます）"));
    配置_.emplace_back(形式_.data(), QRect(3360, 3090, 855, 255));
    倍率設定(倍率_, 原点_);

    QObject::connect(Drive1_, &QComboBox::activated, Drive1_,
                     [this](int index) { ドライブを選んだ(index); });
    Dir1_->変更 = [this] { フォルダが変わった(); };
    QObject::connect(File1_, &QListWidget::itemClicked, File1_, [this](QListWidgetItem* item) {
        if (item && ファイル選択) ファイル選択(item->text().toStdString());
    });
    // The list follows a record extension typed into the name, so it shows what is written.
    QObject::connect(Text_[0], &QLineEdit::textChanged, 形式_, [this](const QString& text) {
        const int i = 形式_->findData(static_cast<int>(拡張子の形式(text.toStdString())));
        if (i >= 0) 形式_->setCurrentIndex(i);
    });
    QObject::connect(Command1_, &QPushButton::clicked, Command1_, [this] {
        if (保存) 保存();
    });
}

void 棋譜パネル部品::倍率設定(qreal zoom, QPointF origin) {
    倍率_ = zoom;
    原点_ = origin;
    if (!作成済_) return;
    const qreal k = zoom / 画素あたりtwip;
    auto at = [&](qreal o, int twips) { return qRound(o + twips * k); };
    const QFont font = パネルの書体(zoom);
    for (auto& [w, r] : 配置_) {
        if (!w) continue;
        const int left = at(origin.x(), r.left()), top = at(origin.y(), r.top());
        w->setGeometry(left, top, at(origin.x(), r.left() + r.width()) - left,
                       at(origin.y(), r.top() + r.height()) - top);
        w->setFont(font);
    }
    Dir1_->setIndentation(qRound(9 * zoom));
    Dir1_->setIconSize(QSize(qRound(14 * zoom), qRound(14 * zoom)));
}

void 棋譜パネル部品::ドライブを選んだ(int index) {
    const QString root = Drive1_->根(index);
    // Choosing the drive already shown changes nothing.
    if (root.isEmpty() || index == Drive1_->番号(Dir1_->パス())) return;
    const bool readable = フォルダ読取可(root.toStdString());
    const int ok = ドライブ変更 ? ドライブ変更(readable) : (readable ? 1 : 0);
    if (ok == 0) {
        Drive1_->合わせる(Dir1_->パス());  // back to the drive of the folder shown
        return;
    }
    Dir1_->パス設定(root);
}

void 棋譜パネル部品::フォルダが変わった() {
    // Dir1_Change: the file list follows the folder list, the drive list shows its volume.
    File1フォルダ_ = Dir1_->パス();
    Drive1_->合わせる(File1フォルダ_);
    File1更新();
}

// Hiding, or emptying a box, needs no widgets while there are none.
void 棋譜パネル部品::可視_Drive1(bool visible) {
    if (!visible && !作成済_) return;
    用意();
    // Volumes come and go: read them again whenever the list is shown.
    if (visible && !Drive1_->isVisible()) Drive1_->更新(Dir1_->パス());
    Drive1_->setVisible(visible);
}

void 棋譜パネル部品::可視_Dir1(bool visible) {
    if (!visible && !作成済_) return;
    用意();
    const bool 出す = visible && !Dir1_->isVisible();
    Dir1_->setVisible(visible);
    if (出す) Dir1_->更新();
}

void 棋譜パネル部品::可視_File1(bool visible) {
    if (!visible && !作成済_) return;
    用意();
    if (visible && !File1_->isVisible()) File1更新();
    File1_->setVisible(visible);
}

void 棋譜パネル部品::可視_入力欄(bool visible) {
    if (!visible && !作成済_) return;
    用意();
    for (auto& w : Label1_) w->setVisible(visible);
    for (auto& w : Text_) w->setVisible(visible);
    Command1_->setVisible(visible);
}

void 棋譜パネル部品::可視_形式(bool visible) {
    if (!visible && !作成済_) return;
    用意();
    形式_->setVisible(visible);
}

棋譜形式 棋譜パネル部品::選んだ形式() const {
    if (!作成済_ || 形式_->isHidden()) return 棋譜形式::不明;
    return static_cast<棋譜形式>(形式_->currentData().toInt());
}

QLineEdit* 棋譜パネル部品::欄(棋譜欄 box) {
    用意();
    return 欄の部品(box);
}

QLineEdit* 棋譜パネル部品::欄の部品(棋譜欄 box) const {
    switch (box) {
        case 棋譜欄::Text1: return Text_[0];
        case 棋譜欄::Text2: return Text_[1];
        case 棋譜欄::Text3: return Text_[2];
        case 棋譜欄::Text4: return Text_[3];
    }
    return Text_[0];
}

std::string 棋譜パネル部品::文字列(棋譜欄 box) const {
    return 作成済_ ? 欄の部品(box)->text().toStdString() : std::string();
}

void 棋譜パネル部品::文字列設定(棋譜欄 box, const std::string& text) {
    if (text.empty() && !作成済_) return;
    欄(box)->setText(QString::fromStdString(text));
}

std::string 棋譜パネル部品::File1フォルダ() const { return File1フォルダ_.toStdString(); }

void 棋譜パネル部品::File1更新() {
    用意();
    const QSignalBlocker quiet(File1_.data());
    File1_->clear();
    File1_->addItems(棋譜ファイル一覧(File1フォルダ_));
}

}  // namespace yukora::window
