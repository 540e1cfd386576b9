#include "rules/making_move.h"

namespace yukora {

int 移動後チェック(int 先Y, int 駒) {
    switch (駒) {
        case 歩:
        case 香: return 先Y == 9 ? 0 : 1;
        case 桂: return 先Y == 8 || 先Y == 9 ? 0 : 1;
        case -歩:
        case -香: return 先Y == 1 ? 0 : 1;
        case -桂: return 先Y == 1 || 先Y == 2 ? 0 : 1;
        default: return 1;
    }
}

int 調査_駒成(int 元X, int 元Y, int 先X, int 先Y, int 駒, int& 成駒) {
    (void)先X;
    if (元X == 敵持駒列 || 元X == 自持駒列) return 0;
    bool 成れる = false;
    switch (駒) {
        case -歩:
        case -香:
        case -桂: 成れる = 先Y <= 3; break;
        case -銀:
        case -角:
        case -飛: 成れる = 先Y <= 3 || 元Y <= 3; break;
        case 歩:
        case 香:
        case 桂: 成れる = 先Y >= 7; break;
        case 銀:
        case 角:
        case 飛: 成れる = 先Y >= 7 || 元Y >= 7; break;
        default: break;
    }
    if (!成れる) return 0;
    成駒 = 駒 > 0 ? 駒 + 1 : 駒 - 1;
    return 1;
}

void 駒取得(局面& p, 手番型& 番, int 駒) {
    if (駒 == 王) {
        番.勝者 = 番.MAN番;
    } else if (駒 == -王) {
        番.勝者 = 番.COM番;
    } else if (const int k = 持駒種類(駒); k != 0) {
        if (駒 > 0) ++p.MAN持駒[k];
        else ++p.COM持駒[k];
    }
}

void 駒移動(局面& p, 手番型& 番, 盤描画& view, int 元X, int 元Y, int 先X, int 先Y, int 駒) {
    const int 取駒 = p.盤[先X][先Y];
    // A captured king goes to no hand, so no total changes for it.
    if (自駒か(取駒)) {
        if (取駒 != -王) ++p.COM持駒数;
        駒取得(p, 番, 取駒);
        view.描画_敵持盤();
    } else if (敵駒か(取駒)) {
        if (取駒 != 王) ++p.MAN持駒数;
        駒取得(p, 番, 取駒);
        view.描画_自持盤();
    }
    view.描画_絵(0, 元X, 元Y);
    view.描画_桝輪郭(0, 元X, 元Y);
    p.盤[先X][先Y] = static_cast<駒型>(駒);
    if (駒 == -王) {
        p.MAN王X = 先X;
        p.MAN王Y = 先Y;
    }
    // A top drop names its kind, a bottom drop its hand slot's row.
    if (元X == 敵持駒列) {
        if (元Y >= 持駒_歩 && 元Y <= 持駒_飛) {
            --p.COM持駒数;
            --p.COM持駒[元Y];
        }
        view.描画_敵持盤();
    } else if (元X == 自持駒列) {
        if (元Y >= 自持駒の行(持駒_歩) && 元Y <= 自持駒の行(持駒_飛)) {
            --p.MAN持駒数;
            --p.MAN持駒[自持駒行の種類(元Y)];
        }
        view.描画_自持盤();
    } else {
        p.盤[元X][元Y] = 0;
    }
    view.描画_絵(駒, 先X, 先Y);
    view.描画_桝輪郭(0, 先X, 先Y);
    view.描画_桝輪郭(0, 先X, 先Y);
}

void 調査_2歩フラグ設定(局面& p) {
    for (int x = 1; x <= 9; ++x) {
        p.MAN2歩フラグ[x] = 0;
        p.COM2歩フラグ[x] = 0;
        for (int y = 1; y <= 9; ++y) {
            if (p.盤[x][y] == -歩) p.MAN2歩フラグ[x] = 1;
            if (p.盤[x][y] == 歩) p.COM2歩フラグ[x] = 1;
        }
    }
}

}  // namespace yukora
