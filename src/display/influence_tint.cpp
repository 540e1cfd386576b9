#include "display/influence_tint.h"

#include <algorithm>

#include "influence/survey.h"

namespace yukora {

勢力地色 勢力の地色(int 勢力MAN, int 勢力COM) {
    勢力地色 t;
    t.下 = 勢力MAN;
    t.上 = 勢力COM;
    const int 差 = 勢力MAN - 勢力COM;
    if (差 == 0) return t;
    t.色 = 差 > 0 ? 地色_下 : 地色_上;
    t.濃さ = std::min(差 > 0 ? 差 : -差, 地色_最濃);
    return t;
}

地色表 勢力地色表(const 勢力地図& m) {
    地色表 t{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) t[x][y] = 勢力の地色(m.勢力MAN[x][y], m.勢力COM[x][y]);
    return t;
}

地色表 局面の地色表(const 局面& p) {
    局面 copy = p;
    勢力地図 m;
    勢力調査(copy, m);
    return 勢力地色表(m);
}

}  // namespace yukora
