// Handicap levels on the board: each step of the level adds or removes one piece of the
// starting position, the human's for levels up to 0 and the computer's for levels from 1.
//
// The caller (the menu commands "△" and "▽") closes the record panel first, then:
// - when 拒否 ≠ 0: plays "禁止.wav" and shows 描画_メッセージ(拒否); nothing else changed;
// - otherwise, when 盤変更: draws 描画_ハンデレベル(ハンデレベル), then the square (x, y) with
//   描画_絵(盤[x][y], x, y) and 描画_桝輪郭(0, x, y), and plays "駒打音.wav".
// At the ends of the range (-10, 10) nothing is drawn, but ハンデ設定済 is still set.
#pragma once
#include "game/position.h"
#include "game/state.h"

namespace yukora {

inline constexpr int ハンデ最小 = -10, ハンデ最大 = 10;

struct ハンデ桝 {
    int x = 0, y = 0, 駒 = 0;
};

// The square and piece of table row L (-9..10); L ≤ 0 names a human piece, L ≥ 1 a computer's.
ハンデ桝 ハンデ表(int L);

struct ハンデ結果 {
    int 拒否 = 0;  // 1 record mode, 2 a move already played, 3 board turned round; 0 accepted
    bool 盤変更 = false;
    int x = 0, y = 0;  // the square that changed
};

// Why the handicap cannot change now (0 when it can).
int ハンデ拒否理由(const 進行状態& s);

// "△": one piece more for the human or one less for the computer.
ハンデ結果 ハンデ上げ(局面& p, 進行状態& s);

// "▽": one piece less for the human or one more for the computer.
ハンデ結果 ハンデ下げ(局面& p, 進行状態& s);

}  // namespace yukora
