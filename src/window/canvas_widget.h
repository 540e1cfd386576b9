// The widget that shows the persistent image and reports presses on it in twips.
#pragma once
#include <QWidget>
#include <functional>

#include "window/canvas_image.h"

namespace yukora::window {

class 画布 final : public QWidget {
public:
    画布(描画面& image, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // (button 1 left, 2 right, 4 middle, 1 for any other; X, Y in twips of the client area)
    std::function<void(int, int, int)> 押下;
    // Called once from the event loop after the first paint has been shown.
    std::function<void()> 初回描画後;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    描画面& 画像_;
};

}  // namespace yukora::window
