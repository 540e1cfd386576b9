#include "computer/piece_terms.h"

namespace yukora {

点数 盤評価_駒別(const 評価対象& e) {
    switch (e.置駒) {
        case 歩: return 盤評価_歩(e);
        case と: return 盤評価_と(e);
        case 香: return 盤評価_香(e);
        case 桂: return 盤評価_桂(e);
        case 銀: return 盤評価_銀(e);
        case 金: return 盤評価_金(e);
        case 角: return 盤評価_角(e);
        case 角成: return 盤評価_角成(e);
        case 飛: return 盤評価_飛(e);
        case 飛成: return 盤評価_飛成(e);
        case 王: return 盤評価_王(e);
        default: return 0;  // promoted lance, knight and silver get nothing here
    }
}

点数 盤評価_と(const 評価対象& e) {
    return e.m.勢力COM[e.先X][e.先Y] >= e.m.勢力MAN[e.先X][e.先Y] ? 点(1) : 0;
}

}  // namespace yukora
