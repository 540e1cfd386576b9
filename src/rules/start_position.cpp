#include "rules/start_position.h"

#include "rules/making_move.h"

namespace yukora {
namespace {

// How many pieces of each hand kind a set has, both sides together.
constexpr int 駒の総数[8] = {0, 18, 4, 4, 4, 4, 2, 2};

constexpr const char* 駒の名前[8] = {"",        "pawns", "lances",  "knights",
                                     "silvers", "golds", "bishops", "rooks"};

// An unknown code, a missing or doubled king, a negative count, more pieces than a set has.
std::string 駒数の問題(const 局面& p, 玉の数 kings) {
    int 数[8] = {};
    int 先手王 = 0, 後手王 = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int c = p.盤[x][y];
            if (c == 0) continue;
            if (!盤の駒コードか(c)) return "an unknown piece on the board";
            if (c == -王) ++先手王;
            else if (c == 王) ++後手王;
            else ++数[持駒種類(c)];
        }
    }
    if (先手王 == 0 && 後手王 == 0) return "no king on the board";
    if (kings == 玉の数::両方 && 先手王 == 0) return "sente has no king";
    if (kings == 玉の数::両方 && 後手王 == 0) return "gote has no king";
    if (先手王 > 1 || 後手王 > 1) return "more than one king on a side";
    for (int k = 1; k <= 7; ++k) {
        if (p.MAN持駒[k] < 0 || p.COM持駒[k] < 0) return "a negative count in a hand";
        if (数[k] + p.MAN持駒[k] + p.COM持駒[k] > 駒の総数[k])
            return std::string("more ") + 駒の名前[k] + " than a set has";
    }
    return {};
}

// A piece that could never move again, two unpromoted pawns of one side in a file.
std::string 配置の問題(const 局面& p) {
    for (int x = 1; x <= 9; ++x) {
        const std::string 筋 = std::to_string(10 - x);
        int 先手歩 = 0, 後手歩 = 0;
        for (int y = 1; y <= 9; ++y) {
            const int c = p.盤[x][y];
            if (c != 0 && 移動後チェック(y, c) == 0)
                return "the piece on file " + 筋 + ", rank " + std::to_string(y) +
                       " could never move";
            先手歩 += c == -歩;
            後手歩 += c == 歩;
        }
        if (先手歩 > 1 || 後手歩 > 1) return "two pawns of one side in file " + 筋;
    }
    return {};
}

}  // namespace

bool 両方の玉があるか(const 局面& p) {
    bool 先手王 = false, 後手王 = false;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            先手王 = 先手王 || p.盤[x][y] == -王;
            後手王 = 後手王 || p.盤[x][y] == 王;
        }
    return 先手王 && 後手王;
}

std::string 開始局面の問題(const 局面& p, 玉の数 kings) {
    if (std::string e = 駒数の問題(p, kings); !e.empty()) return e;
    return 配置の問題(p);
}

}  // namespace yukora
