#include "computer/fixtures.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>

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

namespace {

int CSA駒(const std::string& name) {
    static const std::map<std::string, int> codes = {
        {"FU", 歩},   {"KY", 香},   {"KE", 桂},   {"GI", 銀},  {"KI", 金},
        {"KA", 角},   {"HI", 飛},   {"OU", 王},   {"TO", と},  {"NY", 香成},
        {"NK", 桂成}, {"NG", 銀成}, {"UM", 角成}, {"RY", 飛成}};
    const auto it = codes.find(name);
    if (it == codes.end()) throw std::runtime_error("unknown CSA piece " + name);
    return it->second;
}

void CSA手(局面& p, const std::string& line) {
    const bool 先手 = line[0] == '+';
    const int sign = 先手 ? -1 : 1;
    const int fx = 10 - (line[1] - '0'), fy = line[2] - '0';
    const int tx = 10 - (line[3] - '0'), ty = line[4] - '0';
    const int code = sign * CSA駒(line.substr(5, 2));
    const bool 打ち = line[1] == '0';
    if (打ち) {
        持たせる(p, !先手, 持駒種類(code), -1);
    } else {
        const int 取 = p.盤[tx][ty];
        if (取 != 0) 持たせる(p, !先手, 持駒種類(取), 1);
        p.盤[fx][fy] = 0;
    }
    p.盤[tx][ty] = static_cast<駒型>(code);
}

}  // namespace

局面 棋譜の局面(const std::string& path, int plies) {
    局面 p;
    初期配置(p);
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::string line;
    int done = 0;
    while (done < plies && std::getline(in, line)) {
        if (line.size() < 7 || (line[0] != '+' && line[0] != '-')) continue;
        CSA手(p, line);
        ++done;
    }
    if (done < plies) throw std::runtime_error("record too short");
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
