#include "engine/usi_view.h"

namespace yukora {

手番付き局面 USIから見た局面(const 局面& board, bool 下が先手, int 手番) {
    手番付き局面 r{board, 手番};
    if (!下が先手) 局面反転(r.p);
    return r;
}

盤の手 盤の手に(const 手番付き局面& before, const 指定の手& m, bool 下が先手) {
    const auto x = [&](int v) { return 下が先手 ? v : 10 - v; };
    盤の手 r;
    r.先X = x(m.先X);
    r.先Y = x(m.先Y);
    // The mover sits at the bottom of the game's board when it is the bottom player.
    const bool 下が指す = (before.手番 == 先手) == 下が先手;
    if (m.打駒 != 0) {
        r.元X = 下が指す ? 自持駒列 : 敵持駒列;
        r.元Y = 下が指す ? 自持駒の行(m.打駒) : m.打駒;
        r.駒前 = r.駒後 = 下が指す ? -持駒の駒(m.打駒) : 持駒の駒(m.打駒);
        return r;
    }
    r.元X = x(m.元X);
    r.元Y = x(m.元Y);
    const int c = before.p.盤[m.元X][m.元Y];
    r.駒前 = 下が先手 ? c : -c;
    r.駒後 = m.成り ? r.駒前 + (r.駒前 < 0 ? -1 : 1) : r.駒前;
    return r;
}

指定の手 USIの手に(const 盤の手& m, bool 下が先手) {
    const auto x = [&](int v) { return 下が先手 ? v : 10 - v; };
    指定の手 r;
    r.先X = x(m.先X);
    r.先Y = x(m.先Y);
    if (m.元X == 自持駒列 || m.元X == 敵持駒列) {
        r.打駒 = 持駒種類(m.駒前);
        return r;
    }
    r.元X = x(m.元X);
    r.元Y = x(m.元Y);
    r.成り = m.駒後 != m.駒前;
    return r;
}

}  // namespace yukora
