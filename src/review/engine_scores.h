// 棋譜解析: the positions of the move list as an engine is asked about them, and its answers
// as points of the graph.
#pragma once
#include <optional>
#include <vector>

#include "engine/engine_lines.h"
#include "game/move_list.h"
#include "game/position.h"
#include "game/state.h"
#include "review/score_graph.h"

namespace yukora {

// Every position 戻 and 進 reach (0 .. 最後の局面) as engines see it, 先手 at the bottom when
// `下の側` is 先手, each with its side to move (alternating back from the one to move now).
std::vector<手番付き局面> 解析する局面(const 手順リスト& list, const 局面& 今, const 進行状態& s,
                                       int 下の側);

// The point of position `i` (its number `手数`) from the engine's last score there, for the
// side to move of `pos`, turned to the side at the bottom; none known gives no point.
形勢点 エンジンの形勢点(int 手数, const 手番付き局面& pos, int 下の側,
                        const std::optional<評価値>& score);

}  // namespace yukora
