// 棋譜解析's comments: on each move that lowered the mover's score, the move the engine
// preferred in the position before it, with its score and the engine's name.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_lines.h"
#include "formats/record_model.h"
#include "game/position.h"

namespace yukora {

// What an analysis line starts with: a new analysis replaces the lines that do.
inline constexpr std::string_view 解析の頭 = "解析：";

// What the engine said of one position: its last score (for the side to move) and its move.
struct 解析の答え {
    std::optional<評価値> 評価;
    std::string 最善手;  // USI; empty when it gave none
};

// The line of every move both of whose positions were answered (move i leads from 局面[i-1]
// to 局面[i]; the result holds moves 1 .. 答え.size()-1 in order): "解析：最善手 ▲２六歩
// 評価値 +350（名前）" when the move lowered the mover's score by more than `閾値` and the
// engine's move was another, the score the engine's for the mover; else empty.
std::vector<std::string> 解析の注釈(const std::vector<手番付き局面>& 局面,
                                    const std::vector<解析の答え>& 答え, int 閾値,
                                    const std::string& 名前);

// Puts lines[i] on the record's move i+1 in place of an earlier analysis's line there (an
// empty one only takes that away); the person's own lines stay. Moves past the record's
// end are passed over.
void 解析の注釈を置く(手の列& r, const std::vector<std::string>& lines);

}  // namespace yukora
