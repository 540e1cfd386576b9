// Writes the table of bench/positions.cpp: positions with the computer (top side) to move,
// from the recorded game, from random play of both sides and from the computer at level 3
// against random moves. Seeded, so the same build writes the same table.
//
// Build and run from the repository root after building the core:
//   g++ -std=c++20 -O2 -Isrc bench/tools/make_positions.cpp build/libyukora_computer.a \
//       build/libyukora_rules.a build/libyukora_influence.a build/libyukora_game.a \
//       -o /tmp/make_positions && /tmp/make_positions > /tmp/table.txt
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "computer/search.h"
#include "influence/survey.h"
#include "rules/initial_setup.h"
#include "rules/making_move.h"
#include "rules/move_legality.h"
#include "rules/sfen.h"

namespace yukora {
namespace {

struct 手 {
    int 元X, 元Y, 先X, 先Y, 駒;
};

// Every move the move test allows one side, drops included; promotion chosen by the caller.
std::vector<手> 候補(局面 p, bool top) {
    調査_2歩フラグ設定(p);
    std::vector<手> out;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int c = p.盤[x][y];
            if (top ? !敵駒か(c) : !自駒か(c)) continue;
            for (int u = 1; u <= 9; ++u)
                for (int v = 1; v <= 9; ++v)
                    if (移動チェック(p, x, y, u, v, c) == 1) out.push_back({x, y, u, v, c});
        }
    const 持駒型& hand = top ? p.COM持駒 : p.MAN持駒;
    for (int k = 1; k <= 7; ++k) {
        if (hand[k] <= 0) continue;
        const int code = top ? 持駒の駒(k) : -持駒の駒(k);
        const int 列 = top ? 敵持駒列 : 自持駒列, 行 = top ? k : k + 2;
        for (int u = 1; u <= 9; ++u)
            for (int v = 1; v <= 9; ++v)
                if (移動チェック(p, 列, 行, u, v, code) == 1) out.push_back({列, 行, u, v, code});
    }
    return out;
}

void 指す(局面& p, 進行状態& s, 手 mv, bool 成る) {
    int 駒 = mv.駒, 成駒 = 0;
    if (調査_駒成(mv.元X, mv.元Y, mv.先X, mv.先Y, 駒, 成駒) == 1 &&
        (成る || 移動後チェック(mv.先Y, 駒) == 0))
        駒 = 成駒;
    描画なし view;
    駒移動(p, s.番, view, mv.元X, mv.元Y, mv.先X, mv.先Y, 駒);
}

// Neither king captured, and the human has not left its king where the computer takes it.
bool 使える(局面 p, const 進行状態& s) {
    if (s.番.勝者 != 0) return false;
    勢力地図 m;
    勢力調査(p, m);
    return m.勢力COM[p.MAN王X][p.MAN王Y] == 0;
}

void 書く(const 局面& p, const char* source) {
    手番付き局面 u{p, 後手};
    std::printf("    {\"%s\", \"%s\"},\n", SFEN書込(u).c_str(), source);
}

void 棋譜から(const char* path) {
    std::ifstream in(path);
    std::string line;
    局面 p;
    初期配置(p);
    進行状態 s;
    int plies = 0;
    while (std::getline(in, line)) {
        if (line.size() < 7 || (line[0] != '+' && line[0] != '-')) continue;
        // '+' is the bottom side; the fixture's reading of CSA squares.
        const bool bottom = line[0] == '+';
        const int fx = 10 - (line[1] - '0'), fy = line[2] - '0';
        const int tx = 10 - (line[3] - '0'), ty = line[4] - '0';
        if (line[1] == '0') {
            const std::string name = line.substr(5, 2);
            static const char* const kinds[8] = {"", "FU", "KY", "KE", "GI", "KI", "KA", "HI"};
            int k = 1;
            while (name != kinds[k]) ++k;
            const int code = bottom ? -持駒の駒(k) : 持駒の駒(k);
            指す(p, s, {bottom ? 自持駒列 : 敵持駒列, bottom ? k + 2 : k, tx, ty, code}, false);
        } else {
            const int before = p.盤[fx][fy];
            const bool promoted = line.substr(5, 2) == "TO" || line.substr(5, 2) == "NY" ||
                                  line.substr(5, 2) == "NK" || line.substr(5, 2) == "NG" ||
                                  line.substr(5, 2) == "UM" || line.substr(5, 2) == "RY";
            const bool was = before == と || before == -と || std::abs(before) % 10 == 1;
            指す(p, s, {fx, fy, tx, ty, before}, promoted && !was);
        }
        ++plies;
        if (plies % 4 == 3) {
            char source[32];
            std::snprintf(source, sizeof source, "棋譜 %d手目", plies);
            書く(p, source);
        }
    }
}

// Random moves for both sides from the start; the position after `plies` moves (odd).
bool 乱手(std::mt19937& rng, int plies, 局面& out) {
    局面 p;
    初期配置(p);
    進行状態 s;
    for (int i = 0; i < plies; ++i) {
        const bool top = i % 2 == 1;
        const auto moves = 候補(p, top);
        if (moves.empty()) return false;
        const 手 mv = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
        指す(p, s, mv, rng() % 2 == 0);
        if (s.番.勝者 != 0) return false;
    }
    out = p;
    return 使える(p, s);
}

// The computer at level 3 (top) against random moves (bottom).
bool 対乱手(std::mt19937& rng, int plies, 局面& out) {
    局面 p;
    初期配置(p);
    進行状態 s;
    s.強さ.レベル = 3;
    for (int i = 0; i < plies; ++i) {
        if (i % 2 == 0) {
            const auto moves = 候補(p, false);
            if (moves.empty()) return false;
            const 手 mv = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
            指す(p, s, mv, rng() % 2 == 0);
        } else {
            勢力地図 m;
            COM思考状態 c;
            勢力調査(p, m);
            const COM指し手 mv = COM探索(p, m, c, s);
            if (!mv.有り) return false;
            描画なし view;
            駒移動(p, s.番, view, mv.元X, mv.元Y, mv.先X, mv.先Y, mv.駒後);
        }
        if (s.番.勝者 != 0) return false;
    }
    out = p;
    return 使える(p, s);
}

}  // namespace
}  // namespace yukora

int main() {
    using namespace yukora;
    std::mt19937 rng(20240517);
    棋譜から("tests/data/games/real-game-1.csa");
    for (int n = 0; n < 20;) {
        const int plies = 2 * std::uniform_int_distribution<int>(8, 45)(rng) + 1;
        局面 p;
        if (!乱手(rng, plies, p)) continue;
        char source[32];
        std::snprintf(source, sizeof source, "乱手同士 %d手目", plies);
        書く(p, source);
        ++n;
    }
    for (int n = 0; n < 20;) {
        const int plies = 2 * std::uniform_int_distribution<int>(5, 40)(rng) + 1;
        局面 p;
        if (!対乱手(rng, plies, p)) continue;
        char source[32];
        std::snprintf(source, sizeof source, "COM対乱手 %d手目", plies);
        書く(p, source);
        ++n;
    }
}
