#include "engine/declaration.h"

#include "engine/move_judge.h"

namespace yukora {
namespace {

int 点数(int code) {
    const int k = 持駒種類(code);
    return k == 持駒_角 || k == 持駒_飛 ? 5 : 1;
}

}  // namespace

bool 入玉宣言できるか(const 手番付き局面& pos) {
    const bool 先 = pos.手番 == 先手;  // 先手 is the bottom side, its camp rows 7..9
    const auto 自分の = [先](int c) { return 先 ? 自駒か(c) : 敵駒か(c); };
    const auto 敵陣か = [先](int y) { return 先 ? y <= 3 : y >= 7; };
    bool 王が入った = false;
    int 枚数 = 0, 点 = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int c = pos.p.盤[x][y];
            if (!自分の(c) || !敵陣か(y)) continue;
            if (c == 王 || c == -王) {
                王が入った = true;
                continue;
            }
            ++枚数;
            点 += 点数(c);
        }
    const 持駒型& hand = 先 ? pos.p.MAN持駒 : pos.p.COM持駒;
    for (int k = 1; k <= 7; ++k) 点 += hand[k] * 点数(持駒の駒(k));
    return 王が入った && 枚数 >= 10 && 点 >= (先 ? 28 : 27) && !王手されているか(pos.p, 先);
}

}  // namespace yukora
