#include "window/review/score_graph_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace yukora::window {
namespace {

constexpr int 余白 = 4;
const QColor 地の色(250, 250, 245), 零の色(150, 150, 150), 線の色(0, 0, 192), 詰みの色(192, 0, 0),
    今の色(230, 120, 0);

}  // namespace

int 形勢の目盛り(const std::vector<形勢点>& points) {
    int m = 0;
    for (const 形勢点& p : points)
        if (p.有り && !p.詰み) m = std::max(m, std::abs(p.点));
    return std::max(1000, (m + 999) / 1000 * 1000);
}

int 近い点(double x, int width, int count) {
    if (count <= 1 || width <= 2 * 余白) return 0;
    const double step = static_cast<double>(width - 2 * 余白) / (count - 1);
    return std::clamp(static_cast<int>(std::lround((x - 余白) / step)), 0, count - 1);
}

形勢グラフ部品::形勢グラフ部品(QWidget* parent) : QWidget(parent) {
    setObjectName("KEISEI_GRAPH");
    setMinimumHeight(60);
}

void 形勢グラフ部品::映す(const std::vector<形勢点>& points, int 表示中) {
    点_ = points;
    表示中_ = 表示中;
    update();
}

QPointF 形勢グラフ部品::位置(int i, int 目盛り) const {
    const int n = static_cast<int>(点_.size());
    const double w = width() - 2 * 余白, h = height() - 2 * 余白;
    const double x = 余白 + (n <= 1 ? 0 : w * i / (n - 1));
    const 形勢点& p = 点_[static_cast<size_t>(i)];
    const double v = p.詰み ? (p.点 > 0 ? 1 : -1) : std::clamp(p.点 / double(目盛り), -1.0, 1.0);
    return {x, 余白 + h / 2 * (1 - v)};
}

void 形勢グラフ部品::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.fillRect(rect(), 地の色);
    g.setPen(零の色);
    g.drawLine(余白, height() / 2, width() - 余白, height() / 2);
    const int 目盛り = 形勢の目盛り(点_);
    g.drawText(rect().adjusted(余白, 0, 0, 0), Qt::AlignTop | Qt::AlignLeft,
               QString("+%1").arg(目盛り));
    g.drawText(rect().adjusted(余白, 0, 0, 0), Qt::AlignBottom | Qt::AlignLeft,
               QString("-%1").arg(目盛り));
    if (点_.empty()) return;
    g.setRenderHint(QPainter::Antialiasing);
    if (表示中_ >= 0 && 表示中_ < static_cast<int>(点_.size())) {
        g.setPen(QPen(今の色, 1.5));
        const double x = 位置(表示中_, 目盛り).x();
        g.drawLine(QPointF(x, 0), QPointF(x, height()));
    }
    QPainterPath path;
    bool 途中 = false;
    for (int i = 0; i < static_cast<int>(点_.size()); ++i) {
        if (!点_[static_cast<size_t>(i)].有り) {
            途中 = false;
            continue;
        }
        const QPointF at = 位置(i, 目盛り);
        if (途中) path.lineTo(at);
        else path.moveTo(at);
        途中 = true;
    }
    g.setPen(QPen(線の色, 1.5));
    g.drawPath(path);
    g.setPen(Qt::NoPen);
    g.setBrush(詰みの色);
    for (int i = 0; i < static_cast<int>(点_.size()); ++i)
        if (点_[static_cast<size_t>(i)].詰み) g.drawEllipse(位置(i, 目盛り), 3, 3);
}

void 形勢グラフ部品::mousePressEvent(QMouseEvent* e) {
    if (点_.empty() || !点選択) return;
    点選択(近い点(e->position().x(), width(), static_cast<int>(点_.size())));
}

}  // namespace yukora::window
