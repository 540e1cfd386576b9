#include "review/listed_positions.h"

namespace yukora {

int 最後の局面(const 手数型& 数) { return 数.手順番号 > 数.手順最終 ? 数.手順番号 : 数.手順最終; }

局面 手の後の局面(const 手順リスト& list, const 局面& 今, const 手数型& 数, int i) {
    if (i == 数.手順番号 && 数.手順番号 > 数.手順最終) return 今;
    const 手順記録& e = list.参照(i);
    局面 p;
    p.盤 = e.盤;
    p.MAN持駒 = e.MAN持駒;
    p.COM持駒 = e.COM持駒;
    for (int k = 持駒_歩; k <= 持駒_飛; ++k) {
        p.MAN持駒数 += e.MAN持駒[k];
        p.COM持駒数 += e.COM持駒[k];
    }
    return p;
}

}  // namespace yukora
