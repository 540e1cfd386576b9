// The texts of the window's own widgets at the zoom: the menus and the message boxes grow with
// the board, and a box is kept wide enough for its title.
#pragma once
#include <QFont>
#include <QMessageBox>

namespace yukora::window {

// `base` made `zoom` times as large, in whichever unit it is given.
QFont 倍率の書体(const QFont& base, qreal zoom);

// The width a window needs for the whole of `title` in `font`: the text as a title bar's bold
// face sets it, and room for the frame's buttons beside it.
int 題に要る幅(const QString& title, const QFont& font);

// The box's texts and buttons `zoom` times their usual size, and the box never narrower than
// its title needs.
void 箱を倍率に合わせる(QMessageBox& box, qreal zoom);

}  // namespace yukora::window
