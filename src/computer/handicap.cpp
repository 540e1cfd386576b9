#include "computer/handicap.h"

namespace yukora {
namespace {

// Rows 0, -1, ..., -9: the human's pieces in the order they are taken away.
constexpr ハンデ桝 人の駒[10] = {{2, 8, -角}, {8, 8, -飛}, {1, 9, -香}, {9, 9, -香}, {2, 9, -桂},
                                 {8, 9, -桂}, {3, 9, -銀}, {7, 9, -銀}, {4, 9, -金}, {6, 9, -金}};
// Rows 1..10: the computer's pieces in the order they are taken away.
constexpr ハンデ桝 COMの駒[10] = {{8, 2, 角}, {2, 2, 飛}, {9, 1, 香}, {1, 1, 香}, {8, 1, 桂},
                                  {2, 1, 桂}, {7, 1, 銀}, {3, 1, 銀}, {6, 1, 金}, {4, 1, 金}};

// Row L gets the content it has above level L (up) or at level L - 1 and below (down).
ハンデ結果 桝を変える(局面& p, int L, bool 上げ) {
    const ハンデ桝 t = ハンデ表(L);
    const bool 置く = (L <= 0) == 上げ;  // up restores the human's piece, down the computer's
    p.盤[t.x][t.y] = static_cast<駒型>(置く ? t.駒 : 0);
    return {0, true, t.x, t.y};
}

}  // namespace

ハンデ桝 ハンデ表(int L) {
    if (L <= 0 && L >= -9) return 人の駒[-L];
    if (L >= 1 && L <= 10) return COMの駒[L - 1];
    return {};
}

int ハンデ拒否理由(const 進行状態& s) {
    if (s.番.棋譜モード != 0) return 1;
    if (s.数.手順番号 > 0) return 2;
    if (s.番.反転済 != 0) return 3;
    return 0;
}

ハンデ結果 ハンデ上げ(局面& p, 進行状態& s) {
    if (const int n = ハンデ拒否理由(s); n != 0) return {n};
    s.数.手順最終 = 0;
    s.強さ.ハンデ設定済 = 1;
    if (s.強さ.ハンデレベル >= ハンデ最大) return {};
    ++s.強さ.ハンデレベル;
    return 桝を変える(p, s.強さ.ハンデレベル, true);
}

ハンデ結果 ハンデ下げ(局面& p, 進行状態& s) {
    if (const int n = ハンデ拒否理由(s); n != 0) return {n};
    s.数.手順最終 = 0;
    s.強さ.ハンデ設定済 = 1;
    if (s.強さ.ハンデレベル <= ハンデ最小) return {};
    --s.強さ.ハンデレベル;
    return 桝を変える(p, s.強さ.ハンデレベル + 1, false);
}

}  // namespace yukora
