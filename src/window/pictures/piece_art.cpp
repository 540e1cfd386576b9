#include "window/pictures/piece_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "display/pictures.h"
#include "game/pieces.h"
#include "window/pictures/art_common.h"
#include "window/pictures/piece_glyphs.h"

namespace yukora::window {
namespace {

// Straight-grained board wood; (lx, ly) in logical pixels, the grain `細かさ` cells to one.
// `縞` is the part that depends on lx alone, 3 sin(2.3 lx + 0.4), worked out once per column.
QRgb 盤の色(double lx, double ly, double 縞, int 細かさ) {
    const QColor base(226, 186, 112);
    const double 木目 = 5.0 * std::sin(lx * 0.85 + 1.7 * std::sin(ly * 0.11 + lx * 0.05)) + 縞;
    const double 粒 =
        雑音(static_cast<int>(lx * 細かさ), static_cast<int>(ly * 細かさ), 11) * 6.0 - 3.0;
    return 明るさ(base, 木目 + 粒).rgb();
}

struct 駒の字 {
    int code;
    const char* text;
    double 大きさ;  // relative to the king
};

constexpr 駒の字 駒の字一覧[] = {
    {歩, "歩", 0.87},   {と, "と", 0.87}, {香, "香", 0.89},   {香成, "杏", 0.89}, {桂, "桂", 0.91},
    {桂成, "圭", 0.91}, {銀, "銀", 0.94}, {銀成, "全", 0.94}, {金, "金", 0.94},   {角, "角", 0.97},
    {角成, "馬", 0.97}, {飛, "飛", 0.97}, {飛成, "龍", 0.97}, {王, "王", 1.0},
};

const 駒の字& 字を探す(int code) {
    const int a = code < 0 ? -code : code;
    for (const auto& c : 駒の字一覧)
        if (c.code == a) return c;
    return 駒の字一覧[0];
}

bool 成駒か(int code) {
    const int a = code < 0 ? -code : code;
    return a == と || a == 香成 || a == 桂成 || a == 銀成 || a == 角成 || a == 飛成;
}

QTransform 向きを作る(const QRectF& area, bool 逆さ) {
    QTransform 向き;
    if (逆さ) {
        向き.translate(area.center().x(), area.center().y());
        向き.rotate(180);
        向き.translate(-area.center().x(), -area.center().y());
    }
    return 向き;
}

QPainterPath 五角形(const QRectF& r) {
    const double cx = r.center().x(), W = r.width(), H = r.height();
    QPainterPath path;
    path.moveTo(cx, r.top());
    path.lineTo(cx + 0.39 * W, r.top() + 0.22 * H);
    path.lineTo(cx + 0.5 * W, r.bottom());
    path.lineTo(cx - 0.5 * W, r.bottom());
    path.lineTo(cx - 0.39 * W, r.top() + 0.22 * H);
    path.closeSubpath();
    return path;
}

// Where piece `code` stands in its cell, centred, in logical pixels.
QRectF 駒の場所(int code) {
    const auto& 字 = 字を探す(code);
    const double H = 40.0 * 字.大きさ, W = 33.0 * 字.大きさ;
    return QRectF(19.0 - W / 2, 22.0 - H / 2, W, H);
}

}  // namespace

QImage 空桝の絵(qreal dpr) {
    const int w = qRound(駒絵_幅 * dpr), h = qRound(駒絵_高さ * dpr);
    // The grain about one device pixel fine at any size.
    const int 細かさ = std::max(1, static_cast<int>(std::lround(dpr)));
    QImage img(w, h, QImage::Format_RGB32);
    std::vector<double> 縞(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x) 縞[x] = 3.0 * std::sin((x + 0.5) / dpr * 2.3 + 0.4);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = 盤の色((x + 0.5) / dpr, (y + 0.5) / dpr, 縞[x], 細かさ);
    }
    return img;
}

void 駒を描く(QPainter& p, const QRectF& area, const QString& text, const QColor& ink, bool 逆さ,
              駒の字形* 字形) {
    // Everything is drawn pointing up; the turn only changes where it lands.
    const QTransform 向き = 向きを作る(area, 逆さ);
    const QPainterPath body = 向き.map(五角形(area));
    // A soft shadow to the lower right lifts the piece off the board.
    p.fillPath(body.translated(0.9, 0.9), QColor(70, 40, 10, 120));
    QLinearGradient wood(area.topLeft(), area.bottomRight());
    wood.setColorAt(0.0, QColor(252, 234, 184));
    wood.setColorAt(1.0, QColor(222, 184, 118));
    p.fillPath(body, wood);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(QColor(185, 135, 75, 70), 0.5));
    for (int i = 0; i < 7; ++i) {
        const double x = area.left() + area.width() * (0.08 + 0.14 * i);
        QPainterPath grain;
        grain.moveTo(x, area.top());
        grain.cubicTo(x + 1.2, area.top() + area.height() * 0.35, x - 1.0,
                      area.top() + area.height() * 0.7, x + 0.6, area.bottom());
        p.drawPath(grain);
    }
    p.restore();
    p.setPen(QPen(QColor(135, 90, 40), 0.7));
    p.drawPath(body);

    // The kanji: a heavy Mincho face, a little taller than wide, thickened like a brush stroke.
    const int 字の大きさ = qMax(1, qRound(area.height() * 0.54));
    QPainterPath glyph;
    if (字形 != nullptr) {
        glyph = 字形->形(text, 字の大きさ);
    } else {
        glyph.addText(0, 0, 駒の書体(字の大きさ), text);
    }
    const QRectF g = glyph.boundingRect();
    QTransform t;
    t.translate(area.center().x(), area.top() + area.height() * 0.6);
    t.scale(0.96, 1.1);
    t.translate(-g.center().x(), -g.center().y());
    glyph = 向き.map(t.map(glyph));
    p.fillPath(glyph, ink);
    p.strokePath(glyph, QPen(ink, 0.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QImage 駒の絵(int code, qreal dpr) { return 駒の絵(code, dpr, 空桝の絵(dpr)); }

QImage 駒の絵(int code, qreal dpr, QImage img, 駒の字形* 字形) {
    const auto& 字 = 字を探す(code);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(dpr, dpr);
    const QRectF area = 駒の場所(code);
    const QColor ink = 成駒か(code) ? QColor(200, 20, 20) : QColor(25, 18, 10);
    駒を描く(p, area, QString::fromUtf8(字.text), ink, code > 0, 字形);
    return img;
}

QImage 駒の地(int code, QSize size) {
    QImage body(size, QImage::Format_ARGB32_Premultiplied);
    body.fill(Qt::transparent);
    QPainter p(&body);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / double(駒絵_幅), size.height() / double(駒絵_高さ));
    const QRectF area = 駒の場所(code);
    p.fillPath(向きを作る(area, code > 0).map(五角形(area)), Qt::black);
    p.end();
    QImage ground(size, QImage::Format_Alpha8);
    for (int y = 0; y < size.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(body.constScanLine(y));
        uchar* out = ground.scanLine(y);
        for (int x = 0; x < size.width(); ++x) out[x] = static_cast<uchar>(255 - qAlpha(in[x]));
    }
    return ground;
}

}  // namespace yukora::window
