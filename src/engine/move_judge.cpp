#include "engine/move_judge.h"

#include "computer/king_safety.h"
#include "rules/move_legality.h"
#include "rules/usi_notation.h"

namespace yukora {
namespace {

bool 下の駒か(int c, bool 下) { return 下 ? 自駒か(c) : 敵駒か(c); }

}  // namespace

bool 王手されているか(const 局面& p, bool 下) {
    const int king = 下 ? -王 : 王;
    int kx = 0, ky = 0;
    for (int x = 1; x <= 9 && kx == 0; ++x)
        for (int y = 1; y <= 9; ++y)
            if (p.盤[x][y] == king) {
                kx = x;
                ky = y;
                break;
            }
    if (kx == 0) return false;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int c = p.盤[x][y];
            if (下の駒か(c, !下) && 移動チェック(p, x, y, kx, ky, c) == 1) return true;
        }
    return false;
}

手の判定 手を確かめる(const 手番付き局面& pos, std::string_view usi) {
    手の判定 r;
    if (!USI手を読む(usi, r.手)) {
        r.理由 = 反則::読めない;
        return r;
    }
    return 手を確かめる(pos, r.手);
}

手の判定 手を確かめる(const 手番付き局面& pos, const 指定の手& m) {
    手の判定 r;
    r.手 = m;
    r.後 = pos;
    const bool 下 = pos.手番 == 先手;
    if (!手番の手を指す(r.後, m).empty()) r.理由 = 反則::指せない;
    else if (王手されているか(r.後.p, 下)) r.理由 = 反則::王手放置;
    else {
        r.王手 = 王手されているか(r.後.p, !下);
        if (r.王手 && m.打駒 == 持駒_歩 && !王を守れる手がある(r.後.p, r.後.手番 == 先手))
            r.理由 = 反則::打ち歩詰め;
    }
    if (r.理由 != 反則::なし) r.後 = pos;
    return r;
}

std::string 反則の説明(反則 why) {
    switch (why) {
        case 反則::なし: return {};
        case 反則::読めない: return "読めない手です";
        case 反則::指せない: return "指せない手です";
        case 反則::王手放置: return "王手を放置する手です";
        case 反則::打ち歩詰め: return "打ち歩詰めです";
    }
    return {};
}

}  // namespace yukora
