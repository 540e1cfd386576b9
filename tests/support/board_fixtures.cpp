#include "support/board_fixtures.h"

#include <fstream>
#include <stdexcept>

#include "game/pieces.h"

namespace yukora::test {

局面 局面を作る(std::initializer_list<配置> pieces) {
    局面 p;
    for (const auto& [x, y, code] : pieces) {
        p.盤[x][y] = static_cast<駒型>(code);
        if (code == 王) p.COM王X = x, p.COM王Y = y;
        if (code == -王) p.MAN王X = x, p.MAN王Y = y;
    }
    return p;
}

局面 初期局面() {
    局面 p;
    初期配置(p);
    p.MAN王X = 5, p.MAN王Y = 9, p.COM王X = 5, p.COM王Y = 1;
    return p;
}

int 駒の総数(const 局面& p) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) n += p.盤[x][y] != 0;
    return n + 手の合計(p.MAN持駒) + 手の合計(p.COM持駒);
}

int 手の合計(const 持駒型& hand) {
    int n = 0;
    for (int k = 1; k <= 7; ++k) n += hand[k];
    return n;
}

namespace {

int CSA駒(const std::string& k) {
    static const std::pair<const char*, int> table[] = {
        {"FU", 歩}, {"TO", と}, {"KY", 香}, {"NY", 香成}, {"KE", 桂}, {"NK", 桂成}, {"GI", 銀},
        {"NG", 銀成}, {"KI", 金}, {"KA", 角}, {"UM", 角成}, {"HI", 飛}, {"RY", 飛成}, {"OU", 王}};
    for (const auto& [name, code] : table)
        if (k == name) return code;
    throw std::invalid_argument("unknown CSA piece " + k);
}

}  // namespace

CSA指し手 CSAを読む(const std::string& line) {
    if (line.size() < 7) throw std::invalid_argument("short CSA move " + line);
    const int sign = line[0] == '+' ? -1 : 1;  // sente is the bottom side
    const int ff = line[1] - '0', fr = line[2] - '0', tf = line[3] - '0', tr = line[4] - '0';
    const int code = sign * CSA駒(line.substr(5, 2));
    CSA指し手 m{};
    m.先X = 10 - tf;
    m.先Y = tr;
    m.駒 = code;
    m.打ち = ff == 0;
    if (m.打ち) {
        m.手駒種類 = 持駒種類(code);
        m.元X = sign < 0 ? 自持駒列 : 敵持駒列;
        m.元Y = sign < 0 ? m.手駒種類 + 2 : m.手駒種類;
    } else {
        m.元X = 10 - ff;
        m.元Y = fr;
    }
    return m;
}

std::vector<std::string> CSA棋譜(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::vector<std::string> moves;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() >= 7 && (line[0] == '+' || line[0] == '-')) moves.push_back(line);
    }
    return moves;
}

}  // namespace yukora::test
