#include "window/canvas_image.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "display/grid.h"
#include "game/palette.h"
#include "window/pictures/art.h"
#include "window/pictures/typeface.h"

namespace yukora::window {
namespace {

// Far enough for the background tiles of a maximised window (17610 × 11995 twips).
constexpr int 画像幅twips = 17610, 画像高さtwips = 11995;

// Opacity of the tint at strength 1..3.
double 地色の不透明度(int 濃さ) { return 0.16 * std::min(濃さ, 3); }

QColor 色(int n) {
    const 色値 c = パレット色(n);
    return QColor(c.r, c.g, c.b);
}

QFont 窓の書体を作る() {
    QFont::insertSubstitution(QString::fromUtf8(窓の書体), QString::fromUtf8(絵の書体));
    // Asked for by the face's own name: a name no font has sends every new size and script
    // through fontconfig's whole fallback search before the substitute is found. The default
    // style strategy, as the pictures' kanji have: fontconfig decides antialiasing either way,
    // and fonts that are equal share one glyph engine.
    QFont f(QString::fromUtf8(絵の書体));
    f.setPixelSize(12);  // 9 points at 96 dpi
    return f;
}

QImage 空の画像(qreal ratio) {
    QImage img(static_cast<int>(std::ceil(画像幅twips * ratio / 画素あたりtwip)),
               static_cast<int>(std::ceil(画像高さtwips * ratio / 画素あたりtwip)),
               QImage::Format_RGB32);
    img.fill(色(色_黒));  // the window's background colour
    return img;
}

}  // namespace

描画面::描画面(qreal dpr, 絵の作り手 maker)
    : dpr_(dpr), 作り手_(std::move(maker)), 画像_(空の画像(dpr)), 書体_(窓の書体を作る()) {
    絵を用意();
}

void 描画面::絵を用意() {
    if (作り手_) {
        絵_ = 作り手_(倍率());
        return;
    }
    絵_ = {};
    // A piece's kanji is cut from the same FreeType face as the window's texts, and comes out
    // a little different at its edges after them (the face keeps its hinting state). Once texts
    // were drawn, a new zoom therefore makes all the pictures at once, before drawing again.
    if (文字あり_)
        for (int i = 0; i < 絵の数; ++i) 絵の画像(i);
}

const QImage& 描画面::絵の画像(int 番号) const {
    QImage& pic = 絵_.at(番号);
    // The pieces share the empty square's wood, worked out once.
    if (pic.isNull())
        pic = 絵一覧[番号].駒 != 0 ? 絵を作る(番号, 倍率(), 絵の画像(絵_空桝), &字形_)
                                   : 絵を作る(番号, 倍率());
    return pic;
}

int 描画面::画素(int twips) const {
    return static_cast<int>(std::floor(twips * 倍率() / 画素あたりtwip + 0.5));
}

void 描画面::表示倍率設定(qreal zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    画像_ = 空の画像(倍率());
    絵を用意();
    覆い_ = {};  // made again at the new size when first used
    模様_ = {};
    const bool bold = 書体_.bold();
    for (const 描画命令& c : 記録_.命令()) {
        switch (c.kind) {
            case 描画命令::種類::絵: 絵を描く(c.番号, c.X, c.Y); break;
            case 描画命令::種類::地色付きの絵:
                地色付きの絵を描く(c.番号, c.X, c.Y, c.色, c.濃さ);
                break;
            case 描画命令::種類::輪郭: 輪郭を描く(c.番号, c.X, c.Y, c.X2, c.Y2); break;
            case 描画命令::種類::文字:
                文字を描く(c.X, c.Y, c.文字列, c.大きさ, c.番号, c.太字);
                break;
        }
    }
    書体_.setBold(bold);
    変更(画像_.rect());
}

void 描画面::絵(int 番号, int X, int Y) {
    if (番号 < 0 || 番号 >= 絵の数) return;
    記録_.絵(番号, X, Y);
    絵を描く(番号, X, Y);
}

void 描画面::地色付きの絵(int 番号, int X, int Y, int 色番号, int 濃さ) {
    if (番号 < 0 || 番号 >= 絵の数) return;
    if (濃さ <= 0) return 絵(番号, X, Y);
    記録_.地色付きの絵(番号, X, Y, 色番号, 濃さ);
    地色付きの絵を描く(番号, X, Y, 色番号, 濃さ);
}

void 描画面::輪郭(int 色番号, int X1, int Y1, int X2, int Y2) {
    記録_.輪郭(色番号, X1, Y1, X2, Y2);
    輪郭を描く(色番号, X1, Y1, X2, Y2);
}

void 描画面::文字(int X, int Y, std::string_view text, int 大きさ, int 色番号) {
    const auto 墨 = 文字を描く(X, Y, text, 大きさ, 色番号, 書体_.bold());
    記録_.文字(X, Y, text, 大きさ, 色番号, 書体_.bold(), 墨);
}

void 描画面::絵を描く(int 番号, int X, int Y) {
    // Only the background tiles reach left of or above the client area.
    if (X < 0 || Y < 0) 地の絵_ = 番号;
    if (番号 < 絵_背景 || 番号 >= 絵_ロゴ) return 画像に置く(絵の画像(番号), X, Y);
    // A tile covers the picture's place with the one tiling.
    const QRect at(QPoint(画素(X), 画素(Y)), 絵の画像(番号).size());
    模様(番号).敷く(画像_, at);
    変更(at);
}

const 地の模様& 描画面::模様(int 番号) {
    auto& m = 模様_.at(番号);
    if (!m) m.emplace(背景_緑 + 番号 - 絵_背景, 倍率(), QPoint(画素(盤原点X), 画素(盤原点Y)));
    return *m;
}

void 描画面::地色付きの絵を描く(int 番号, int X, int Y, int 色番号, int 濃さ) {
    // The tint as a layer, cut to the ground, laid over a copy of the picture.
    QImage layer(絵の画像(番号).size(), QImage::Format_ARGB32_Premultiplied);
    QColor c = 色(色番号);
    c.setAlphaF(地色の不透明度(濃さ));
    layer.fill(c);
    QPainter lp(&layer);
    lp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    lp.drawImage(0, 0, 地の覆い(番号));
    lp.end();
    QImage img = 絵の画像(番号).copy();
    QPainter p(&img);
    p.drawImage(0, 0, layer);
    p.end();
    画像に置く(img, X, Y);
}

const QImage& 描画面::地の覆い(int 番号) {
    QImage& mask = 覆い_[番号];
    if (mask.isNull()) mask = 地の覆いを作る(番号, 絵の画像(番号).size());
    return mask;
}

void 描画面::画像に置く(const QImage& src, int X, int Y) {
    const QPoint at(画素(X), 画素(Y));
    if (src.format() == 画像_.format() && src.devicePixelRatio() == 1.0) {
        写す(src, at);
    } else {
        QPainter p(&画像_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(at, src);
        p.end();
    }
    変更(QRect(at, src.size()));
}

// The rows of `src` as they are, clipped to the image: what a painter in source mode does
// with a picture of the image's own format, without setting one up for each of the tiles.
void 描画面::写す(const QImage& src, QPoint at) {
    const QRect r = QRect(at, src.size()) & 画像_.rect();
    if (r.isEmpty()) return;
    const int 画素の幅 = src.depth() / 8;
    const qsizetype 行の長さ = 画像_.bytesPerLine();
    uchar* to = 画像_.bits() + r.top() * 行の長さ + r.left() * 画素の幅;
    const uchar* from = src.constScanLine(r.top() - at.y()) + (r.left() - at.x()) * 画素の幅;
    for (int y = 0; y < r.height(); ++y, to += 行の長さ, from += src.bytesPerLine())
        std::memcpy(to, from, static_cast<std::size_t>(r.width() * 画素の幅));
}

void 描画面::輪郭を描く(int 色番号, int X1, int Y1, int X2, int Y2) {
    const int x1 = 画素(X1), y1 = 画素(Y1), x2 = 画素(X2), y2 = 画素(Y2);
    const int w = qMax(1, qRound(倍率()));
    const QColor c = 色(色番号);
    QPainter p(&画像_);
    p.fillRect(QRect(x1, y1, x2 - x1 + w, w), c);
    p.fillRect(QRect(x1, y2, x2 - x1 + w, w), c);
    p.fillRect(QRect(x1, y1, w, y2 - y1 + w), c);
    p.fillRect(QRect(x2, y1, w, y2 - y1 + w), c);
    p.end();
    変更(QRect(x1, y1, x2 - x1 + w, y2 - y1 + w));
}

std::array<int, 4> 描画面::文字を描く(int X, int Y, std::string_view text, int 大きさ, int 色番号,
                                      bool bold) {
    文字あり_ = true;
    QFont f = 書体_;
    f.setBold(bold);
    f.setPixelSize(qMax(1, qRound(大きさ * 96.0 / 72.0 * 倍率())));
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics fm(f, &画像_);
    const QPoint top(画素(X), 画素(Y));
    QPainter p(&画像_);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(f);
    p.setPen(色(色番号));
    p.drawText(QPoint(top.x(), top.y() + fm.ascent()), s);
    p.end();
    変更(QRect(top, QSize(fm.horizontalAdvance(s) + fm.maxWidth() / 2 + 2, fm.height() + 2)));
    // The strokes; antialiasing may touch a pixel more right and below, and left and above
    // only when they reach past the point.
    QRect ink = fm.boundingRect(s).translated(0, fm.ascent()).adjusted(0, 0, 1, 1);
    if (ink.left() < 0) ink.setLeft(ink.left() - 1);
    if (ink.top() < 0) ink.setTop(ink.top() - 1);
    auto twips = [this](int px) {
        return static_cast<int>(std::lround(px * 画素あたりtwip / 倍率()));
    };
    return {twips(ink.left()), twips(ink.top()), twips(ink.right() + 1), twips(ink.bottom() + 1)};
}

void 描画面::太字(bool on) { 書体_.setBold(on); }

void 描画面::今すぐ表示() {
    if (即時表示) 即時表示();
}

void 描画面::変更(const QRect& device) {
    if (!変更通知) return;
    const QRect logical(static_cast<int>(std::floor(device.x() / dpr_)) - 1,
                        static_cast<int>(std::floor(device.y() / dpr_)) - 1,
                        static_cast<int>(std::ceil(device.width() / dpr_)) + 3,
                        static_cast<int>(std::ceil(device.height() / dpr_)) + 3);
    変更通知(logical);
}

}  // namespace yukora::window
