// The evaluation graph's points: a score for every position of the game, from the bottom
// side's view, and the moves after which the mover's score fell.
#pragma once
#include <vector>

#include "game/move_list.h"
#include "game/position.h"
#include "game/state.h"
#include "review/move_rows.h"

namespace yukora {

// Scores are kept up to this many centipawns either way (the estimate's worths make a rook
// 9000); a mate lies on the edge. The graph scales to the scores it shows.
inline constexpr int 形勢の上限 = 30000;

struct 形勢点 {
    int 手数 = 0;       // the move number, as in the list
    int 点 = 0;         // centipawns (a pawn 100) for the bottom side, within ±形勢の上限
    bool 詰み = false;  // the game is decided here: the point lies on the edge
    bool 有り = true;   // false while the position has no score yet
    bool operator==(const 形勢点&) const = default;
};

// A score for the bottom side clipped to the graph; a mate goes to the edge of its winner.
形勢点 形勢点にする(int 手数, long long 点, bool 詰み);

// The built-in estimate of every position 戻 and 進 can reach: 駒割り from the bottom side's
// view, times 10 (the engine's `score cp`); a position without one side's king is that
// side's loss.
std::vector<形勢点> 駒割りの形勢(const 手順リスト& list, const 局面& 今, const 進行状態& s);

// A move after which the mover's score fell by more than this is marked in the list.
inline constexpr int 崩れの閾値 = 300;

// Marks the rows whose move lowered the mover's score by more than `閾値` centipawns.
void 崩れた手に印(棋譜の行一覧& rows, const std::vector<形勢点>& points, int 閾値);

// Whether the move between two points lowered its mover's score by more than `閾値`: the side
// at the bottom when `下の手`, else the other.
bool 崩れたか(const 形勢点& 前, const 形勢点& 後, bool 下の手, int 閾値);

}  // namespace yukora
