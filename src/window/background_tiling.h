// The background as one tiling of the whole surface. Every tile drawn takes its pixels from one
// pattern laid from the grid's origin, so a tile drawn again later, and the tiles the canvas
// lays around the image, meet those beside them without a seam at any size: tiles overlap
// their neighbours, and at most sizes a cell is not a whole number of pixels wide.
#pragma once
#include <QImage>
#include <QPoint>
#include <QRect>

namespace yukora::window {

class 地の模様 {
public:
    // Background picture `背景画番号` (2..6) at `ratio` device pixels per 15 twips, its
    // pattern starting at device pixel `origin` of the image.
    地の模様(int 背景画番号, qreal ratio, QPoint origin);

    // Fills `rect` of `target`, clipped to it, whose pixel p lies at p + `shift` of the image.
    void 敷く(QImage& target, const QRect& rect, QPoint shift = QPoint()) const;
    // The period: a whole number of grid cells, a whole number of pixels wide and high.
    QSize 周期() const { return 周期_; }

private:
    QSize 周期_;
    QImage 模様_;  // the period repeated across, so that a tile's row is one copy
    QPoint 原点_;
};

}  // namespace yukora::window
