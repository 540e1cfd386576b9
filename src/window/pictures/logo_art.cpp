#include "window/pictures/logo_art.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "display/pictures.h"
#include "window/pictures/piece_art.h"
#include "window/pictures/typeface.h"

namespace yukora::window {
namespace {

QPainterPath 文字の形(const QString& text, const QFont& font, double x, double baseline) {
    QPainterPath path;
    path.addText(x, baseline, font, text);
    return path;
}

}  // namespace

// A lacquered plaque with the name in gold.
QImage ロゴの絵(qreal dpr) {
    QImage img(qRound(ロゴ_幅 * dpr), qRound(ロゴ_高さ * dpr), QImage::Format_RGB32);
    img.fill(QColor(20, 10, 4));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(dpr, dpr);
    const QRectF plate(0.5, 0.5, ロゴ_幅 - 1.0, ロゴ_高さ - 1.0);
    QLinearGradient lacquer(plate.topLeft(), plate.bottomLeft());
    lacquer.setColorAt(0.0, QColor(96, 36, 16));
    lacquer.setColorAt(1.0, QColor(40, 12, 6));
    p.setPen(QPen(QColor(222, 186, 92), 1.2));
    p.setBrush(lacquer);
    p.drawRoundedRect(plate, 4, 4);
    p.setPen(QPen(QColor(150, 108, 40), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(2.5, 2.5, -2.5, -2.5), 2.5, 2.5);

    QFont latin(絵の書体);
    latin.setPixelSize(13);
    latin.setItalic(true);
    QFont kanji(絵の書体);
    kanji.setPixelSize(23);
    kanji.setBold(true);
    const QString 名 = QStringLiteral("Yukora");
    const QString 将棋 = QStringLiteral("将棋Ⅰ");
    const double w1 = QFontMetricsF(latin).horizontalAdvance(名);
    const double w2 = QFontMetricsF(kanji).horizontalAdvance(将棋);
    const double gap = 3;
    const double x0 = (ロゴ_幅 - (w1 + gap + w2)) / 2;
    const double baseline = 27.5;
    QPainterPath text = 文字の形(名, latin, x0, baseline);
    text.addPath(文字の形(将棋, kanji, x0 + w1 + gap, baseline));
    QLinearGradient gold(0, 8, 0, 30);
    gold.setColorAt(0.0, QColor(255, 236, 160));
    gold.setColorAt(1.0, QColor(206, 150, 48));
    p.fillPath(text.translated(0.8, 0.8), QColor(0, 0, 0, 160));
    p.fillPath(text, gold);
    p.strokePath(text, QPen(QColor(255, 226, 130), 0.3));
    return img;
}

QImage アイコンの画像(int 辺) {
    QImage img(辺, 辺, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(辺 / 32.0, 辺 / 32.0);
    駒を描く(p, QRectF(4, 1, 24, 29), QStringLiteral("将"), QColor(25, 18, 10));
    p.end();
    return img;
}

QIcon アイコンの絵() { return QIcon(QPixmap::fromImage(アイコンの画像(32))); }

}  // namespace yukora::window
