#include "rules/checked_move.h"

#include "game/board_view.h"
#include "game/state.h"
#include "rules/making_move.h"
#include "rules/move_legality.h"

namespace yukora {
namespace {

bool 手番の駒か(int 手番, int code) { return 手番 == 先手 ? 自駒か(code) : 敵駒か(code); }

bool 王か(int code) { return code == 王 || code == -王; }

void 指す(局面& p, int 元X, int 元Y, int 先X, int 先Y, int 駒) {
    進行状態 s;
    描画なし view;
    駒移動(p, s.番, view, 元X, 元Y, 先X, 先Y, 駒);
}

std::string 盤上の手(手番付き局面& pos, const 指定の手& m) {
    局面& p = pos.p;
    const int 駒 = p.盤[m.元X][m.元Y];
    if (!手番の駒か(pos.手番, 駒)) return "no piece of the side to move on the origin";
    if (移動チェック(p, m.元X, m.元Y, m.先X, m.先Y, 駒) != 1) return "the piece cannot go there";
    if (王か(p.盤[m.先X][m.先Y])) return "the move takes the king";
    int 後 = 駒;
    if (m.成り) {
        if (調査_駒成(m.元X, m.元Y, m.先X, m.先Y, 駒, 後) != 1) return "the piece cannot promote";
    } else if (移動後チェック(m.先Y, 駒) == 0) {
        return "the piece must promote";
    }
    指す(p, m.元X, m.元Y, m.先X, m.先Y, 後);
    return {};
}

// A drop comes from the hand slot the rules expect: (自持駒列, its row) for 先手, (敵持駒列, kind)
// for 後手.
std::string 打つ手(手番付き局面& pos, const 指定の手& m) {
    局面& p = pos.p;
    const bool 先手番 = pos.手番 == 先手;
    if (m.成り) return "a dropped piece cannot promote";
    if ((先手番 ? p.MAN持駒 : p.COM持駒)[m.打駒] <= 0) return "no such piece in hand";
    const int 駒 = 先手番 ? -持駒の駒(m.打駒) : 持駒の駒(m.打駒);
    const int 元X = 先手番 ? 自持駒列 : 敵持駒列;
    const int 元Y = 先手番 ? 自持駒の行(m.打駒) : m.打駒;
    調査_2歩フラグ設定(p);
    if (移動チェック(p, 元X, 元Y, m.先X, m.先Y, 駒) != 1)
        return "the piece cannot be dropped there";
    指す(p, 元X, 元Y, m.先X, m.先Y, 駒);
    return {};
}

}  // namespace

std::string 手番の手を指す(手番付き局面& pos, const 指定の手& m) {
    if (m.打駒 < 0 || m.打駒 > 7 || !盤上か(m.先X, m.先Y) || (m.打駒 == 0 && !盤上か(m.元X, m.元Y)))
        return "not a move";
    手番付き局面 next = pos;
    const std::string e = m.打駒 != 0 ? 打つ手(next, m) : 盤上の手(next, m);
    if (!e.empty()) return e;
    next.手番 = -next.手番;
    pos = next;
    return {};
}

}  // namespace yukora
