#include "usi/think.h"

#include "computer/com_state.h"
#include "computer/search.h"
#include "game/state.h"
#include "influence/influence_maps.h"
#include "influence/survey.h"
#include "game/position.h"

namespace yukora {
namespace {

// The search's move, in the coordinates it was found in (the engine's side at the top).
USI指し手 上からの指し手(const COM指し手& r) {
    USI指し手 m;
    if (r.元X == 敵持駒列) {
        m.打駒種類 = r.元Y;
    } else {
        m.元X = r.元X;
        m.元Y = r.元Y;
        m.成り = r.駒後 != r.駒前;
    }
    m.先X = r.先X;
    m.先Y = r.先Y;
    return m;
}

// Back to sente-at-the-bottom coordinates after the position was turned round.
USI指し手 戻す(USI指し手 m) {
    if (m.打駒種類 == 0) {
        m.元X = 10 - m.元X;
        m.元Y = 10 - m.元Y;
    }
    m.先X = 10 - m.先X;
    m.先Y = 10 - m.先Y;
    return m;
}

}  // namespace

思考結果 思考(const USI局面& pos, int レベル) {
    const bool 回す = pos.手番 == 先手;
    局面 p = pos.p;
    if (回す) 局面反転(p);
    p.MAN王X = p.MAN王Y = p.COM王X = p.COM王Y = 0;
    勢力地図 m;
    COM思考状態 c;
    進行状態 s;
    s.強さ.レベル = レベル;
    s.番.対局モード = 1;
    s.番.手番 = s.番.COM番;
    勢力調査(p, m);
    const COM指し手 r = COM探索(p, m, c, s);
    思考結果 結果;
    if (!r.有り) return 結果;
    結果.有り = true;
    結果.指し手 = 回す ? 戻す(上からの指し手(r)) : 上からの指し手(r);
    結果.点十倍 = r.点十倍;
    return 結果;
}

}  // namespace yukora
