// The engine's latest thinking in one line: depth, score, nodes and the first moves of its
// principal variation in Japanese notation.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "engine/engine_lines.h"
#include "game/position.h"

namespace yukora {

// The first `最大` moves of `pv` from `pos` in Japanese notation ("７六歩 ３四歩 同角成"),
// up to the first one that cannot be played.
std::string 読み筋の記譜(const 手番付き局面& pos, const std::vector<std::string>& pv, int 最大 = 5);

// A score as the person reads it: "+123", "-45", "詰み 5手" (the side to move mates) or
// "詰まされ 5手"; `裏返す` turns it to the other side.
std::string 評価の文字(評価値 e, bool 裏返す);

// What the thinking line keeps of the info lines of one turn: each field as last given.
struct 思考の様子 {
    std::optional<int> 深さ;
    std::optional<long long> ノード数;
    std::optional<評価値> 評価;
    std::vector<std::string> pv;
    // Takes one info line; a line about another multipv than the first is passed over.
    void 受ける(const 読み筋& info);
};

// "深さ 12  評価値 +123  ノード 1,234,567  ７六歩 ３四歩 …". The score is the engine's
// turned to the side `見る側` (先手 or 後手) when the engine plays the other side; a mate
// reads "詰み 5手" (for that side) or "詰まされ 5手". Empty when nothing is known yet.
std::string 思考の行(const 思考の様子& s, const 手番付き局面& pos, int 見る側);

}  // namespace yukora
