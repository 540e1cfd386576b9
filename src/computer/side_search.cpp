#include "computer/side_search.h"

#include "computer/com_state.h"
#include "game/state.h"
#include "influence/influence_maps.h"
#include "influence/survey.h"

namespace yukora {

局面 上から見た局面(const 局面& p, bool 下の手番) {
    局面 q = p;
    if (下の手番) 局面反転(q);
    q.MAN王X = q.MAN王Y = q.COM王X = q.COM王Y = 0;
    return q;
}

COM指し手 探索の指し手を戻す(const COM指し手& r, bool 下の手番) {
    if (!下の手番 || !r.有り) return r;
    COM指し手 m = r;
    if (r.元X == 敵持駒列) {
        m.元X = 自持駒列;
        m.元Y = r.元Y + 2;
    } else {
        m.元X = 10 - r.元X;
        m.元Y = 10 - r.元Y;
    }
    m.先X = 10 - r.先X;
    m.先Y = 10 - r.先Y;
    m.駒前 = -r.駒前;
    m.駒後 = -r.駒後;
    return m;
}

手番側の探索結果 手番側の探索(const 局面& p, bool 下の手番, int レベル) {
    局面 q = 上から見た局面(p, 下の手番);
    勢力地図 m;
    COM思考状態 c;
    進行状態 s;
    s.強さ.レベル = レベル;
    s.番.対局モード = 1;
    s.番.手番 = s.番.COM番;
    勢力調査(q, m);
    const COM指し手 r = COM探索(q, m, c, s);
    return {探索の指し手を戻す(r, 下の手番), c.評価回数};
}

}  // namespace yukora
