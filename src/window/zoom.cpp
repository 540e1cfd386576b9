#include "window/zoom.h"

#include <algorithm>
#include <cmath>

#include "display/grid.h"
#include "settings/settings_state.h"

namespace yukora::window {

qreal 合わせた倍率(const QSize& device) {
    const qreal r = std::min(device.width() * qreal(画素あたりtwip) / 設計幅twips,
                             device.height() * qreal(画素あたりtwip) / 設計高さtwips);
    // A cell is 660 twips high: 44 pixels at 100 %.
    constexpr int 桝の画素 = 桝高 / 画素あたりtwip;
    return std::max(0.5, std::floor(r * 桝の画素) / 桝の画素);
}

QPoint 中央の原点(const QSize& device, qreal ratio) {
    const int w = static_cast<int>(std::ceil(設計幅twips * ratio / 画素あたりtwip));
    const int h = static_cast<int>(std::ceil(設計高さtwips * ratio / 画素あたりtwip));
    return QPoint(std::max(0, (device.width() - w) / 2), std::max(0, (device.height() - h) / 2));
}

int 初回の倍率(const QSize& screen, const QSize& window) {
    if (window.height() * 3 >= screen.height()) return 表示倍率_既定;
    int best = 表示倍率_既定;
    for (const int z : 表示倍率一覧)
        if (window.width() * z <= screen.width() * 100 &&
            window.height() * z <= screen.height() * 100)
            best = std::max(best, z);
    return best;
}

}  // namespace yukora::window
