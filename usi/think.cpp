#include "usi/think.h"

#include "computer/material_estimate.h"
#include "computer/side_search.h"

namespace yukora {

局面 上から見た局面(const USI局面& pos) { return 上から見た局面(pos.p, pos.手番 == 先手); }

USI指し手 USIの指し手に(const COM指し手& back) {
    USI指し手 m;
    if (back.元X == 敵持駒列) {
        m.打駒種類 = back.元Y;
    } else if (back.元X == 自持駒列) {
        m.打駒種類 = 自持駒行の種類(back.元Y);
    } else {
        m.元X = back.元X;
        m.元Y = back.元Y;
        m.成り = back.駒後 != back.駒前;
    }
    m.先X = back.先X;
    m.先Y = back.先Y;
    return m;
}

USI指し手 探索の指し手を戻す(const COM指し手& r, const USI局面& pos) {
    return USIの指し手に(探索の指し手を戻す(r, pos.手番 == 先手));
}

思考結果 思考(const USI局面& pos, int レベル) {
    const 手番側の探索結果 r = 手番側の探索(pos.p, pos.手番 == 先手, レベル);
    思考結果 結果;
    結果.評価回数 = r.評価回数;
    if (!r.手.有り) return 結果;
    結果.有り = true;
    結果.指し手 = USIの指し手に(r.手);
    結果.点十倍 = r.手.点十倍;
    結果.駒割り = 指した後の駒割り(pos.p, pos.手番 == 先手, r.手);
    return 結果;
}

}  // namespace yukora
