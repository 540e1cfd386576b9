#include "window/zoomed_text.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace yukora::window {

QFont 倍率の書体(const QFont& base, qreal zoom) {
    QFont f = base;
    if (base.pixelSize() > 0) f.setPixelSize(qMax(1, qRound(base.pixelSize() * zoom)));
    else f.setPointSizeF(base.pointSizeF() * zoom);
    return f;
}

int 題に要る幅(const QString& title, const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics fm(bold);
    // The icon, the close, minimise and maximise buttons and the frame's edges.
    return fm.horizontalAdvance(title) + 6 * fm.height();
}

void 箱を倍率に合わせる(QMessageBox& box, qreal zoom) {
    if (zoom != 1.0) box.setFont(倍率の書体(box.font(), zoom));
    // The box sizes itself from its layout's minimum width: a spacer across it keeps the
    // title whole.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(題に要る幅(box.windowTitle(), box.font()), 0,
                                      QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace yukora::window
