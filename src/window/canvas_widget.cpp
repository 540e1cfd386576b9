#include "window/canvas_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <utility>

#include "display/grid.h"
#include "flow/window_events.h"
#include "settings/settings_state.h"
#include "window/zoom.h"

namespace yukora::window {
namespace {

// Floor division: the grid cell of a twip coordinate, left of or above the origin too.
int 桝番号(long twips, int origin, int pitch) {
    const long d = twips - origin;
    return static_cast<int>(d >= 0 ? d / pitch : -((-d + pitch - 1) / pitch));
}

}  // namespace

画布::画布(描画面& image, QWidget* parent) : QWidget(parent), 画像_(image) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    画像_.変更通知 = [this](const QRect& r) {
        const QPointF o = 原点();
        update(
            r.translated(static_cast<int>(std::floor(o.x())), static_cast<int>(std::floor(o.y())))
                .adjusted(0, 0, 1, 1));
    };
    画像_.即時表示 = [this] { repaint(); };
    合わせ待ち_.setSingleShot(true);
    合わせ待ち_.setInterval(100);
    connect(&合わせ待ち_, &QTimer::timeout, this, [this] { 合わせ直す(); });
}

QSize 画布::sizeHint() const {
    const qreal z = 画像_.表示倍率();
    return QSize(qRound(設計幅twips * z / 画素あたりtwip),
                 qRound(設計高さtwips * z / 画素あたりtwip));
}

QPointF 画布::原点() const { return QPointF(原点_) / 画像_.画面倍率(); }

void 画布::表示倍率設定(int 倍率) {
    設定_ = 倍率;
    合わせ直す();
}

void 画布::合わせ直す() {
    合わせ待ち_.stop();
    const qreal dpr = 画像_.画面倍率();
    qreal zoom = 設定_ / 100.0;
    QPoint origin;
    if (設定_ == 表示倍率_合わせる) {
        const QSize device(qFloor(width() * dpr), qFloor(height() * dpr));
        const qreal ratio = 合わせた倍率(device);
        zoom = ratio / dpr;
        origin = 中央の原点(device, ratio);
    }
    if (zoom == 画像_.表示倍率() && origin == 原点_) return;
    原点_ = origin;
    画像_.表示倍率設定(zoom);
    updateGeometry();
    update();
    if (倍率変更) 倍率変更();
}

void 画布::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (設定_ != 表示倍率_合わせる) return;
    // Shown, the image keeps its size until the resizing pauses; the tiles fill meanwhile.
    if (isVisible()) 合わせ待ち_.start();
    else 合わせ直す();
}

void 画布::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const qreal dpr = 画像_.画面倍率();
    const QRect r = e->rect();
    // Device pixels from here on: the image is drawn pixel for pixel.
    p.scale(1 / dpr, 1 / dpr);
    const QRect device(QPoint(qFloor(r.left() * dpr), qFloor(r.top() * dpr)),
                       QPoint(qCeil((r.right() + 1) * dpr) - 1, qCeil((r.bottom() + 1) * dpr) - 1));
    const QImage& img = 画像_.画像();
    const QRect image(原点_, img.size());
    if (!image.contains(device)) 地を敷く(p, device, image);
    const QRect shown = device & image;
    if (!shown.isEmpty()) p.drawImage(shown.topLeft(), img, shown.translated(-原点_));
    // Queued: the paint reaches the screen first, and a message box may open from it.
    if (初回描画後)
        QMetaObject::invokeMethod(this, std::exchange(初回描画後, nullptr), Qt::QueuedConnection);
}

// Around the image: the background's tiling goes on, as the game would have laid it.
void 画布::地を敷く(QPainter& p, const QRect& device, const QRect& image) const {
    const int 番号 = 画像_.地の絵();
    if (番号 < 0) {
        p.fillRect(device, Qt::black);
        return;
    }
    const 地の模様& tiling = 画像_.模様(番号);
    for (const QRect& r : QRegion(device) - QRegion(image)) {
        QImage part(r.size(), QImage::Format_RGB32);
        tiling.敷く(part, part.rect(), r.topLeft() - 原点_);
        p.drawImage(r.topLeft(), part);
    }
}

void 画布::mousePressEvent(QMouseEvent* e) {
    // Only the right button has a meaning of its own; side buttons and the like act as the left.
    int button = ボタン_左;
    if (e->button() == Qt::RightButton) button = ボタン_右;
    else if (e->button() == Qt::MiddleButton) button = ボタン_中;
    const QPointF at = e->position();
    if (押下)
        押下(button, 押した点(at.x(), 原点_.x(), 盤原点X, 桝幅),
             押した点(at.y(), 原点_.y(), 盤原点Y, 桝高));
}

int 画布::押した点(double at, int 原点, int origin, int pitch) const {
    const qreal dpr = 画像_.画面倍率();
    const long T = std::lround((at - 原点 / dpr) * 画素あたりtwip / 画像_.表示倍率());
    // The point lies in the cell drawn on the device pixel pressed: the last cell whose first
    // pixel is not right of it. Rounding may put T in a neighbour; it is kept inside.
    const int px = static_cast<int>(std::floor(at * dpr)) - 原点;
    int c = 桝番号(T, origin, pitch);
    while (画像_.画素(origin + (c + 1) * pitch) <= px) ++c;
    while (画像_.画素(origin + c * pitch) > px) --c;
    return static_cast<int>(std::clamp<long>(T, origin + c * pitch, origin + (c + 1) * pitch - 1));
}

}  // namespace yukora::window
