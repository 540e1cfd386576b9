// The logo beside the board and the window icon.
#pragma once
#include <QIcon>
#include <QImage>

namespace yukora::window {

QImage ロゴの絵(qreal dpr);
QIcon アイコンの絵();
// The icon's picture, 辺 × 辺 pixels: drawn on a 32 × 32 grid and scaled.
QImage アイコンの画像(int 辺);

}  // namespace yukora::window
