// The logo beside the board and the window icon.
#pragma once
#include <QIcon>
#include <QImage>

namespace yukora::window {

QImage ロゴの絵(qreal dpr);
QIcon アイコンの絵();

}  // namespace yukora::window
