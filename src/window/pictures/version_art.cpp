#include "window/pictures/version_art.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include "window/pictures/piece_art.h"
#include "window/pictures/typeface.h"

namespace yukora::window {
namespace {

const QColor 金色(232, 196, 104);

void 地を描く(QPainter& p) {
    const QRectF all(0, 0, 版情報_幅, 版情報_高さ);
    QLinearGradient lacquer(all.topLeft(), all.bottomLeft());
    lacquer.setColorAt(0.0, QColor(92, 34, 16));
    lacquer.setColorAt(1.0, QColor(34, 10, 5));
    p.fillRect(all, lacquer);
    p.setPen(QPen(金色, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(2.5, 2.5, -2.5, -2.5));
    // A corner of a board under the pieces: faint gold lines.
    p.setPen(QPen(QColor(232, 196, 104, 60), 0.8));
    for (int i = 0; i < 5; ++i) {
        p.drawLine(QPointF(8 + 14.0 * i, 6), QPointF(8 + 14.0 * i, 66));
        p.drawLine(QPointF(6, 8 + 14.0 * i), QPointF(66, 8 + 14.0 * i));
    }
}

void 駒を置く(QPainter& p) {
    p.save();
    p.translate(40, 37);
    p.rotate(-12);
    駒を描く(p, QRectF(-15, -18, 30, 36), QStringLiteral("王"), QColor(25, 18, 10));
    p.restore();
    p.save();
    p.translate(22, 44);
    p.rotate(10);
    駒を描く(p, QRectF(-11, -13, 22, 26), QStringLiteral("歩"), QColor(25, 18, 10));
    p.restore();
}

void 文字を書く(QPainter& p) {
    QFont latin(絵の書体);
    latin.setPixelSize(17);
    latin.setItalic(true);
    QFont kanji(絵の書体);
    kanji.setPixelSize(26);
    kanji.setBold(true);
    // Name and version centred over the space right of the pieces.
    const double 左 = 72, 右 = 版情報_幅 - 8;
    const QString 名 = QStringLiteral("Yukora "), 将棋 = QStringLiteral("将棋Ⅰ");
    const double w1 = QFontMetricsF(latin).horizontalAdvance(名);
    const double x0 = (左 + 右 - w1 - QFontMetricsF(kanji).horizontalAdvance(将棋)) / 2;
    QPainterPath name;
    name.addText(x0, 38, latin, 名);
    name.addText(x0 + w1, 38, kanji, 将棋);
    QLinearGradient gold(0, 16, 0, 40);
    gold.setColorAt(0.0, QColor(255, 238, 168));
    gold.setColorAt(1.0, QColor(204, 148, 46));
    p.fillPath(name.translated(1, 1), QColor(0, 0, 0, 170));
    p.fillPath(name, gold);

    QFont small(絵の書体);
    small.setPixelSize(12);
    p.setFont(small);
    p.setPen(QColor(240, 224, 190));
    p.drawText(QRectF(左, 45, 右 - 左, 16), Qt::AlignHCenter | Qt::AlignVCenter,
               QString::fromUtf8(版番号));
}

}  // namespace

void 版情報を描く(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    地を描く(p);
    駒を置く(p);
    文字を書く(p);
    p.restore();
}

QImage 版情報の絵(qreal dpr) {
    QImage img(qRound(版情報_幅 * dpr), qRound(版情報_高さ * dpr), QImage::Format_RGB32);
    img.setDevicePixelRatio(dpr);
    QPainter p(&img);
    版情報を描く(p);
    return img;
}

}  // namespace yukora::window
