#include "window/version_dialog.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "display/grid.h"
#include "window/pictures/typeface.h"
#include "window/pictures/version_art.h"

namespace yukora::window {
namespace {

QRect 画素(qreal zoom, int left, int top, int width, int height) {
    auto at = [zoom](int twips) { return qRound(twips * zoom / 画素あたりtwip); };
    return QRect(at(left), at(top), at(left + width) - at(left), at(top + height) - at(top));
}

QPushButton* ボタン(QDialog* parent, const char* name, const char* caption, const QRect& where) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setGeometry(where);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

版情報画面::版情報画面(QWidget* parent, qreal zoom)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      Command1_(ボタン(this, "Command1", "ホームページ", 画素(zoom, 600, 1080, 1575, 375))),
      Command2_(ボタン(this, "Command2", "O K", 画素(zoom, 2880, 1080, 1575, 375))),
      zoom_(zoom) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setModal(true);
    setFixedSize(qRound(版情報_幅 * zoom), qRound(版情報_高さ * zoom));
    QFont f(QString::fromUtf8(絵の書体));
    f.setPixelSize(qMax(1, qRound(12 * zoom)));
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
    p.scale(zoom_, zoom_);  // drawn anew at the size, not enlarged
    版情報を描く(p);
}

bool 版情報ダイアログ::表示() {
    版情報画面 form(親_, 倍率 ? 倍率() : 1.0);
    if (表示中) QTimer::singleShot(0, &form, [this, &form] { 表示中(form); });
    form.exec();
    return form.ホームページ();
}

}  // namespace yukora::window
