#include "window/window_size.h"

#include <QtMath>
#include <algorithm>

#include "display/grid.h"
#include "settings/settings_state.h"
#include "window/zoom.h"

namespace yukora::window {

QSize 窓の中の大きさ(int 倍率, int 横の幅) {
    const QSize classic(窓幅twips / 画素あたりtwip + 横の幅, 窓高さtwips / 画素あたりtwip);
    return QSize(qRound(classic.width() * 倍率 / 100.0), qRound(classic.height() * 倍率 / 100.0));
}

bool 画面に収まる(int 倍率, QSize 枠, QSize free, int 横の幅) {
    if (倍率 <= 表示倍率_既定) return true;
    const QSize outer = 窓の中の大きさ(倍率, 横の幅) + 枠;
    return outer.width() <= free.width() && outer.height() <= free.height();
}

int 収まる倍率(int 倍率, QSize 枠, QSize free, int 横の幅) {
    int best = 表示倍率_既定;
    for (const int z : 表示倍率一覧)
        if (z <= 倍率 && 画面に収まる(z, 枠, free, 横の幅)) best = std::max(best, z);
    return best;
}

}  // namespace yukora::window
