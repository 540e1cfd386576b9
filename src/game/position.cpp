#include "game/position.h"

#include <utility>

namespace yukora {

void 初期配置(局面& p) {
    p.MAN持駒 = {};
    p.COM持駒 = {};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) p.盤[x][y] = 0;
    constexpr int 後列[10] = {0, 香, 桂, 銀, 金, 王, 金, 銀, 桂, 香};
    for (int x = 1; x <= 9; ++x) {
        p.盤[x][7] = -歩;
        p.盤[x][3] = 歩;
        p.盤[x][9] = static_cast<駒型>(-後列[x]);
        p.盤[x][1] = static_cast<駒型>(後列[x]);
    }
    p.盤[2][8] = -角;
    p.盤[8][8] = -飛;
    p.盤[2][2] = 飛;
    p.盤[8][2] = 角;
}

void 局面反転(局面& p) {
    const 盤型 元 = p.盤;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) p.盤[x][y] = static_cast<駒型>(-元[10 - x][10 - y]);
    std::swap(p.MAN持駒, p.COM持駒);
    std::swap(p.MAN持駒数, p.COM持駒数);
}

}  // namespace yukora
