#include "rules/turn_round.h"

#include <utility>

namespace yukora {

void 局面反転(局面& p) {
    const 盤型 元 = p.盤;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) p.盤[x][y] = static_cast<駒型>(-元[10 - x][10 - y]);
    std::swap(p.MAN持駒, p.COM持駒);
    std::swap(p.MAN持駒数, p.COM持駒数);
}

}  // namespace yukora
