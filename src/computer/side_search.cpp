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
        m.元Y = 自持駒の行(r.元Y);
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

namespace {

// Hands the candidates on turned back.
class 戻して渡す : public 候補の受け {
public:
    戻して渡す(bool 下の手番, 候補の受け& 先) : 下の手番_(下の手番), 先_(先) {}
    void 候補(const COM指し手& 手) override { 先_.候補(探索の指し手を戻す(手, 下の手番_)); }

private:
    bool 下の手番_;
    候補の受け& 先_;
};

}  // namespace

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

long 手番側の全候補(const 局面& p, bool 下の手番, int レベル, 候補の受け& 受け) {
    局面 q = 上から見た局面(p, 下の手番);
    勢力地図 m;
    COM思考状態 c;
    勢力調査(q, m);
    戻して渡す 戻し(下の手番, 受け);
    COM全候補(q, m, c, レベル, 戻し);
    return c.評価回数;
}

}  // namespace yukora
