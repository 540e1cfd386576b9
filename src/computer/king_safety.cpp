#include "computer/king_safety.h"

#include "game/board_view.h"
#include "game/state.h"
#include "influence/influence_maps.h"
#include "influence/survey.h"
#include "rules/move_enumeration.h"

namespace yukora {

bool 王を守れる手がある(const 局面& pos, bool 下の手番) {
    局面 p = pos;
    調査_2歩フラグ設定(p);
    const int 敵王 = 下の手番 ? 王 : -王;
    勢力地図 m;
    進行状態 s;
    描画なし view;
    const bool 全部見た =
        手を並べる(p, 下の手番 ? 1 : -1, [&](int 元X, int 元Y, int 先X, int 先Y, int 駒) {
            if (p.盤[先X][先Y] == 敵王) return false;
            局面 q = p;
            駒移動(q, s.番, view, 元X, 元Y, 先X, 先Y, 駒);
            勢力調査(q, m);
            const bool 当たる =
                下の手番 ? m.勢力COM[q.MAN王X][q.MAN王Y] > 0 : m.勢力MAN[q.COM王X][q.COM王Y] > 0;
            return 当たる;  // go on while every move so far leaves the king attacked
        });
    return !全部見た;
}

}  // namespace yukora
