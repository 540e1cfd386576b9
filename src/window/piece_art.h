// Wooden pentagon pieces with brush-like kanji, and the empty board square.
#pragma once
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace yukora::window {

// The empty square: plain board wood.
QImage 空桝の絵(qreal dpr);

// The piece `code`: the bottom player's (negative) point up, the top player's down.
QImage 駒の絵(int code, qreal dpr);
// The same, drawn on `空桝`, the empty square already made at `dpr`.
QImage 駒の絵(int code, qreal dpr, QImage 空桝);

// Where the picture of piece `code`, made at `size` device pixels, shows the board: 255
// around the piece (its shadow included), 0 on the piece, soft along its edge.
QImage 駒の地(int code, QSize size);

// A pentagon piece filling `area` (logical units) with `text` in `ink`, pointing up or, for
// the top player, down; the light falls from the upper left either way.
void 駒を描く(QPainter& p, const QRectF& area, const QString& text, const QColor& ink,
              bool 逆さ = false);

}  // namespace yukora::window
