#include "computer/material_estimate.h"

#include "game/board_view.h"
#include "game/state.h"
#include "rules/making_move.h"

namespace yukora {
namespace {

// The top side's worth less the bottom side's.
int 上の駒割り(const 局面& p) {
    int sum = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (const int c = p.盤[x][y]; c != 王 && c != -王) sum += c;
    for (int k = 持駒_歩; k <= 持駒_飛; ++k) sum += 持駒の駒(k) * (p.COM持駒[k] - p.MAN持駒[k]);
    return sum;
}

}  // namespace

int 駒割り(const 局面& p, bool 下から) { return 下から ? -上の駒割り(p) : 上の駒割り(p); }

int 指した後の駒割り(const 局面& p, bool 下の手番, const COM指し手& 手) {
    局面 q = p;
    手番型 番;
    描画なし view;
    駒移動(q, 番, view, 手.元X, 手.元Y, 手.先X, 手.先Y, 手.駒後);
    return 駒割り(q, 下の手番);
}

}  // namespace yukora
