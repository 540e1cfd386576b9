#include "computer/fixtures.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "computer/evaluation.h"
#include "influence/survey.h"
#include "rules/initial_setup.h"

namespace yukora::test {

局面 王だけの局面(int MAN王X, int MAN王Y, int COM王X, int COM王Y) {
    局面 p;
    p.盤[MAN王X][MAN王Y] = -王;
    p.盤[COM王X][COM王Y] = 王;
    p.MAN王X = MAN王X;
    p.MAN王Y = MAN王Y;
    p.COM王X = COM王X;
    p.COM王Y = COM王Y;
    return p;
}

void 置く(局面& p, int x, int y, int code) { p.盤[x][y] = static_cast<駒型>(code); }

void 持たせる(局面& p, bool com, int kind, int n) {
    if (com) {
        p.COM持駒[kind] = static_cast<駒型>(p.COM持駒[kind] + n);
        p.COM持駒数 += n;
    } else {
        p.MAN持駒[kind] = static_cast<駒型>(p.MAN持駒[kind] + n);
        p.MAN持駒数 += n;
    }
}

局面 棋譜の局面(const std::string& path, int plies) {
    局面 p;
    初期配置(p);
    const std::vector<std::string> moves = CSA棋譜(path);
    if (static_cast<int>(moves.size()) < plies) throw std::runtime_error("record too short");
    for (int i = 0; i < plies; ++i) {
        const CSA指し手 m = CSAを読む(moves[static_cast<size_t>(i)]);
        const bool 上 = m.駒 > 0;  // the top side moves
        if (m.打ち) {
            持たせる(p, 上, m.手駒種類, -1);
        } else {
            const int 取 = p.盤[m.先X][m.先Y];
            if (取 != 0) 持たせる(p, 上, 持駒種類(取), 1);
            p.盤[m.元X][m.元Y] = 0;
        }
        p.盤[m.先X][m.先Y] = static_cast<駒型>(m.駒);
    }
    return p;
}

探索一式 新しい探索(const 局面& p, int level) {
    探索一式 t{p, {}, {}, {}};
    t.s.強さ.レベル = level;
    勢力調査(t.p, t.m);
    return t;
}

COM指し手 探索する(const 局面& p, int level) {
    探索一式 t = 新しい探索(p, level);
    return COM探索(t.p, t.m, t.c, t.s);
}

探索一式 候補の局面(const 局面& before, int 元X, int 元Y, int 先X, int 先Y, int 置駒, int level) {
    探索一式 t = 新しい探索(before, level);
    COM思考準備(t.p, t.m, t.c);
    if (元X < 0) {
        t.c.移動駒 = 置駒;
    } else {
        t.c.移動駒 = before.盤[元X][元Y];
        t.c.移動元王距離 = std::max(std::abs(元X - t.p.MAN王X), std::abs(元Y - t.p.MAN王Y));
        t.p.盤[元X][元Y] = 0;
    }
    t.p.盤[先X][先Y] = static_cast<駒型>(置駒);
    勢力調査(t.p, t.m);
    return t;
}

点数 候補の点(const 局面& before, int 元X, int 元Y, int 先X, int 先Y, int 置駒, int level) {
    探索一式 t = 候補の局面(before, 元X, 元Y, 先X, 先Y, 置駒, level);
    const int 取駒 = 元X < 0 ? 0 : before.盤[先X][先Y];
    return 盤評価(t.p, t.m, t.c, level, 取駒, 置駒, 元X, 元Y, 先X, 先Y);
}

}  // namespace yukora::test
