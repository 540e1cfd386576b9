// The rows of the move list beside the board: the start, then every move the game holds.
#pragma once
#include <string>
#include <vector>

#include "game/move_list.h"
#include "game/position.h"
#include "game/state.h"

namespace yukora {

struct 棋譜行 {
    int 手数 = 0;  // the move number as the board shows it; the start's before the first
    std::string 指し手;  // "▲７六歩(77)", "△同　角成(88)", "▲５五角打"; "開始局面" for the start
    std::string 時間;     // the time the move took, "1:05"; empty for the start
    bool 下の手 = false;  // the bottom side moved
    bool 崩れ = false;    // the mover's score fell by more than the marking threshold
    bool 変化 = false;    // the loaded record has other lines of play instead of this move
    bool operator==(const 棋譜行&) const = default;
};

struct 棋譜の行一覧 {
    std::vector<棋譜行> 行;  // [0] the start, [i] the position after move i
    int 表示中 = 0;          // the row of the position on the board
    bool operator==(const 棋譜の行一覧&) const = default;
};

// The rows of every position that 戻 and 進 can reach (0 .. 最後の局面), the shown one marked.
// ▲ marks the moves of 先手, △ those of 後手, counted back from the side to move now.
棋譜の行一覧 棋譜行を作る(const 手順リスト& list, const 局面& 今, const 進行状態& s);

// Seconds as "m:ss" (minutes without limit).
std::string 分秒(int 秒);

}  // namespace yukora
