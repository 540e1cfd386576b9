#include "window/canvas_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <utility>

#include "display/grid.h"
#include "flow/window_events.h"

namespace yukora::window {

// The design size of the client area: 9960 × 7695 twips.
constexpr int 設計幅 = 9960 / 画素あたりtwip, 設計高さ = 7695 / 画素あたりtwip;

画布::画布(描画面& image, QWidget* parent) : QWidget(parent), 画像_(image) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    画像_.変更通知 = [this](const QRect& r) { update(r); };
    画像_.即時表示 = [this] { repaint(); };
}

QSize 画布::sizeHint() const { return QSize(設計幅, 設計高さ); }

void 画布::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QImage& img = 画像_.画像();
    const qreal dpr = 画像_.倍率();
    const QRect r = e->rect();
    p.fillRect(r, Qt::black);
    // Only the exposed part, device pixel for device pixel.
    p.drawImage(QRectF(r), img,
                QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
    // Queued: the paint reaches the screen first, and a message box may open from it.
    if (初回描画後)
        QMetaObject::invokeMethod(this, std::exchange(初回描画後, nullptr), Qt::QueuedConnection);
}

void 画布::mousePressEvent(QMouseEvent* e) {
    // Only the right button has a meaning of its own; side buttons and the like act as the left.
    int button = ボタン_左;
    if (e->button() == Qt::RightButton) button = ボタン_右;
    else if (e->button() == Qt::MiddleButton) button = ボタン_中;
    const QPointF at = e->position();
    if (押下)
        押下(button, static_cast<int>(std::lround(at.x() * 画素あたりtwip)),
             static_cast<int>(std::lround(at.y() * 画素あたりtwip)));
}

}  // namespace yukora::window
