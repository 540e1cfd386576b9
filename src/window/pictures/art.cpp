#include "window/pictures/art.h"

#include "window/pictures/logo_art.h"
#include "window/pictures/piece_art.h"
#include "window/pictures/tile_art.h"

namespace yukora::window {

QImage 絵を作る(int 番号, qreal dpr, const QImage& 空桝, 駒の字形* 字形) {
    if (番号 == 絵_空桝) return 空桝の絵(dpr);
    if (番号 == 絵_ロゴ) return ロゴの絵(dpr);
    if (番号 >= 絵_背景 && 番号 < 絵_ロゴ) return 背景の絵(背景_緑 + 番号 - 絵_背景, dpr);
    if (!空桝.isNull()) return 駒の絵(絵一覧.at(番号).駒, dpr, 空桝, 字形);
    return 駒の絵(絵一覧.at(番号).駒, dpr);
}

std::array<QImage, 絵の数> 全部の絵を作る(qreal dpr) {
    std::array<QImage, 絵の数> all;
    for (int i = 0; i < 絵の数; ++i) all[i] = 絵を作る(i, dpr);
    return all;
}

QImage 地の覆いを作る(int 番号, QSize size) {
    if (番号 >= 絵_下の駒 && 番号 < 絵_背景) return 駒の地(絵一覧.at(番号).駒, size);
    QImage all(size, QImage::Format_Alpha8);
    all.fill(番号 == 絵_空桝 ? 255 : 0);
    return all;
}

QIcon アイコンを作る() { return アイコンの絵(); }

}  // namespace yukora::window
