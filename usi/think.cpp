#include "usi/think.h"

#include "computer/com_state.h"
#include "game/position.h"
#include "game/state.h"
#include "influence/influence_maps.h"
#include "influence/survey.h"

namespace yukora {

局面 上から見た局面(const USI局面& pos) {
    局面 p = pos.p;
    if (pos.手番 == 先手) 局面反転(p);
    p.MAN王X = p.MAN王Y = p.COM王X = p.COM王Y = 0;
    return p;
}

USI指し手 探索の指し手を戻す(const COM指し手& r, const USI局面& pos) {
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
    if (pos.手番 == 先手) {  // the position was turned round for the search
        if (m.打駒種類 == 0) {
            m.元X = 10 - m.元X;
            m.元Y = 10 - m.元Y;
        }
        m.先X = 10 - m.先X;
        m.先Y = 10 - m.先Y;
    }
    return m;
}

思考結果 思考(const USI局面& pos, int レベル) {
    局面 p = 上から見た局面(pos);
    勢力地図 m;
    COM思考状態 c;
    進行状態 s;
    s.強さ.レベル = レベル;
    s.番.対局モード = 1;
    s.番.手番 = s.番.COM番;
    勢力調査(p, m);
    const COM指し手 r = COM探索(p, m, c, s);
    思考結果 結果;
    結果.評価回数 = c.評価回数;
    if (!r.有り) return 結果;
    結果.有り = true;
    結果.指し手 = 探索の指し手を戻す(r, pos);
    結果.点十倍 = r.点十倍;
    return 結果;
}

}  // namespace yukora
