// The pictures of the window, drawn by the program at start-up at the screen's pixel ratio.
#pragma once
#include <QIcon>
#include <QImage>
#include <array>

#include "display/pictures.h"

namespace yukora::window {

class 駒の字形;

// Picture `番号` of 絵一覧 at its natural size times `dpr`, in device pixels. A piece is
// drawn on `空桝` when given: the empty square already made at `dpr`; its kanji is cut by
// `字形` when given.
QImage 絵を作る(int 番号, qreal dpr, const QImage& 空桝 = QImage(), 駒の字形* 字形 = nullptr);

// All 35, in the order of 絵一覧.
std::array<QImage, 絵の数> 全部の絵を作る(qreal dpr);

// Where picture `番号`, made at `size` device pixels, shows the bare board (alpha 255) and
// where something stands on it (0): the whole empty square, around a piece, nowhere on a
// background tile or the logo.
QImage 地の覆いを作る(int 番号, QSize size);

// The 32 × 32 window icon.
QIcon アイコンを作る();

}  // namespace yukora::window
