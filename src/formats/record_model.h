// A game as KIF and CSA files hold it: a start, the moves with their times, how it ended.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "game/position.h"

namespace yukora {

// A position seen from the first player, with the side to move.
using 記録局面 = 手番付き局面;

// The longest time a move is taken to have spent (a little under 28 hours); more is cut.
inline constexpr int 記録秒の上限 = 99999;

// One move in the board coordinates of 記録局面.
struct 記録の手 {
    int 元X = 0, 元Y = 0;  // origin; both 0 for a drop
    int 先X = 0, 先Y = 0;
    int 打駒 = 0;  // hand kind 1..7 of a drop, 0 for a board move
    bool 成り = false;
    int 秒 = 0;  // time spent on the move, whole seconds, at most 記録秒の上限
    bool operator==(const 記録の手&) const = default;
};

// How a record ends; 反則勝ち is a win of the side to move after the last move.
enum class 終局理由 {
    なし,
    中断,
    投了,
    詰み,
    反則勝ち,
    反則負け,
    千日手,
    持将棋,
    切れ負け,
    入玉勝ち,
    不詰
};

struct 対局記録 {
    記録局面 開始;
    std::vector<記録の手> 手;
    終局理由 終局 = 終局理由::なし;
    std::string 開始日時, 棋戦, 先手名, 後手名;
};

// Where and why reading a record stopped. 行 counts lines from 1 (0: not tied to a line);
// 手数 is the number of the move that could not be read (0: before the moves).
struct 読込エラー {
    int 行 = 0;
    int 手数 = 0;
    std::string 理由;
};

// What was read, up to the first error when there is one.
struct 読込結果 {
    対局記録 記録;
    std::optional<読込エラー> エラー;
};

}  // namespace yukora
