// The widget that shows the persistent image and reports presses on it in twips.
#pragma once
#include <QTimer>
#include <QWidget>
#include <functional>

#include "window/canvas_image.h"

namespace yukora::window {

class 画布 final : public QWidget {
public:
    画布(描画面& image, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // A zoom of the "表示倍率" menu in percent, or 0: the design area scaled to fill the widget,
    // centred. Outside the image the background tiles go on.
    void 表示倍率設定(int 倍率);
    int 表示倍率の項目() const { return 設定_; }
    // Applies the zoom for the widget's present size (after a change of it).
    void 合わせ直す();
    // The zoom shown and where the client area's origin lies, in logical pixels of the widget.
    qreal 表示倍率() const { return 画像_.表示倍率(); }
    QPointF 原点() const;

    // (button 1 left, 2 right, 4 middle, 1 for any other; X, Y in twips of the client area)
    std::function<void(int, int, int)> 押下;
    // After the zoom or the origin changed.
    std::function<void()> 倍率変更;
    // Called once from the event loop after the first paint has been shown.
    std::function<void()> 初回描画後;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void 地を敷く(QPainter& p, const QRect& device, const QRect& image) const;
    // The twip coordinate of a press at `at` logical pixels along one axis whose grid starts at
    // `origin` twips with cells `pitch` twips apart.
    int 押した点(double at, int 原点, int origin, int pitch) const;

    描画面& 画像_;
    int 設定_ = 100;
    QPoint 原点_;  // device pixels
    // While the window is being dragged larger or smaller, the fit waits for a pause.
    QTimer 合わせ待ち_;
};

}  // namespace yukora::window
