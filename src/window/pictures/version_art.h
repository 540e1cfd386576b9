// The picture of the version dialog: the program's name, its version and two pieces.
#pragma once
#include <QImage>
#include <QPainter>

namespace yukora::window {

inline constexpr const char* 版番号 = "Version 1.0";
// The dialog's client area in pixels (4995 × 1530 twips).
inline constexpr int 版情報_幅 = 333, 版情報_高さ = 102;

// Paints the picture over (0, 0)–(版情報_幅, 版情報_高さ) in logical units.
void 版情報を描く(QPainter& p);

QImage 版情報の絵(qreal dpr);

}  // namespace yukora::window
