#include "game/move_list.h"

namespace yukora {

手順記録& 手順リスト::項目(int i) {
    if (i < 0) i = 0;
    if (i >= 容量()) 記録_.resize(static_cast<size_t>(i) + 1);
    return 記録_[static_cast<size_t>(i)];
}

const 手順記録& 手順リスト::参照(int i) const {
    static const 手順記録 空{};
    if (i < 0 || i >= 容量()) return 空;
    return 記録_[static_cast<size_t>(i)];
}

void 手順保存(手順リスト& list, const 局面& p, 手数型& 数, float MAN前, float MAN後, float COM前,
              float COM後) {
    const int i = 数.手順番号;
    手順記録& e = list.項目(i);
    e.盤 = p.盤;
    e.MAN持駒 = p.MAN持駒;
    e.COM持駒 = p.COM持駒;
    e.MAN時間前 = MAN前;
    e.MAN時間後 = MAN後;
    e.COM時間前 = COM前;
    e.COM時間後 = COM後;
    数.手順最終 = i;
}

移動結果 調査_移動結果(const 手順リスト& list, int n) {
    const 手順記録& 前 = list.参照(n - 1);
    const 手順記録& 後 = list.参照(n);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (前.盤[x][y] != 後.盤[x][y] && 後.盤[x][y] != 0) return {true, x, y, 後.盤[x][y]};
    return {};
}

int 調査_持駒数(const 局面& p, const 手番型& 番, int side) {
    const 持駒型* hand = side == 番.MAN番 ? &p.MAN持駒 : side == 番.COM番 ? &p.COM持駒 : nullptr;
    if (!hand) return 0;
    int total = 0;
    for (int k = 1; k <= 7; ++k)
        if ((*hand)[k] > 0) total += (*hand)[k];
    return total;
}

}  // namespace yukora
