// The evaluation graph: the bottom side's advantage move by move, a zero line, the shown move.
#pragma once
#include <QWidget>
#include <functional>
#include <vector>

#include "review/score_graph.h"

namespace yukora::window {

// The scale of the graph: the largest score shown, rounded up to a thousand (at least 1000);
// mates lie on the edge.
int 形勢の目盛り(const std::vector<形勢点>& points);

// The point nearest to `x` of a graph `width` pixels wide with `count` points evenly spread.
int 近い点(double x, int width, int count);

class 形勢グラフ部品 final : public QWidget {
public:
    explicit 形勢グラフ部品(QWidget* parent = nullptr);
    void 映す(const std::vector<形勢点>& points, int 表示中);
    const std::vector<形勢点>& 点() const { return 点_; }
    QSize sizeHint() const override { return {240, 120}; }
    // A click: the index of the point nearest to it.
    std::function<void(int)> 点選択;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QPointF 位置(int i, int 目盛り) const;
    std::vector<形勢点> 点_;
    int 表示中_ = 0;
};

}  // namespace yukora::window
