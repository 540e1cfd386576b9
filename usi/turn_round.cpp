#include "usi/turn_round.h"

namespace yukora {

局面 局面を回す(const 局面& p) {
    局面 q;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) q.盤[x][y] = static_cast<駒型>(-p.盤[10 - x][10 - y]);
    q.MAN持駒 = p.COM持駒;
    q.COM持駒 = p.MAN持駒;
    q.MAN持駒数 = p.COM持駒数;
    q.COM持駒数 = p.MAN持駒数;
    return q;
}

}  // namespace yukora
