// Wooden pentagon pieces with brush-like kanji, and the empty board square.
#pragma once
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace yukora::window {

class 駒の字形;

// The empty square: plain board wood.
QImage 空桝の絵(qreal dpr);

// The piece `code`: the bottom player's (negative) point up, the top player's down.
QImage 駒の絵(int code, qreal dpr);
// The same, drawn on `空桝`, the empty square already made at `dpr`, its kanji cut by `字形`
// when given.
QImage 駒の絵(int code, qreal dpr, QImage 空桝, 駒の字形* 字形 = nullptr);

// Where the picture of piece `code`, made at `size` device pixels, shows the board: 255
// around the piece (its shadow included), 0 on the piece, soft along its edge.
QImage 駒の地(int code, QSize size);

// A pentagon piece filling `area` (logical units) with `text` in `ink`, pointing up or, for
// the top player, down; the light falls from the upper left either way. The kanji's outline
// comes from `字形` when given.
void 駒を描く(QPainter& p, const QRectF& area, const QString& text, const QColor& ink,
              bool 逆さ = false, 駒の字形* 字形 = nullptr);

}  // namespace yukora::window
