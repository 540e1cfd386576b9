#include "window/version_dialog.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "display/grid.h"
#include "window/art.h"
#include "window/version_art.h"

namespace yukora::window {
namespace {

QRect 画素(int left, int top, int width, int height) {
    return QRect(left / 画素あたりtwip, top / 画素あたりtwip, width / 画素あたりtwip,
                 height / 画素あたりtwip);
}

QPushButton* ボタン(QDialog* parent, const char* name, const char* caption, const QRect& where) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setGeometry(where);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

版情報画面::版情報画面(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      Command1_(ボタン(this, "Command1", "ホームページ", 画素(600, 1080, 1575, 375))),
      Command2_(ボタン(this, "Command2", "O K", 画素(2880, 1080, 1575, 375))) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setModal(true);
    setFixedSize(版情報_幅, 版情報_高さ);
    QFont f(QString::fromUtf8(絵の書体));
    f.setPixelSize(12);
    setFont(f);
    Command2_->setDefault(true);
    connect(Command1_, &QPushButton::clicked, this, [this] {
        ホームページ_ = true;
        accept();
    });
    connect(Command2_, &QPushButton::clicked, this, &QDialog::reject);
}

void 版情報画面::paintEvent(QPaintEvent*) {
    QPainter p(this);
    版情報を描く(p);
}

bool 版情報ダイアログ::表示() {
    版情報画面 form(親_);
    if (表示中) QTimer::singleShot(0, &form, [this, &form] { 表示中(form); });
    form.exec();
    return form.ホームページ();
}

}  // namespace yukora::window
