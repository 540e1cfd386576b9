// What 検討 shows: an engine's best lines for the position on the board, one a candidate.
#pragma once
#include <string>
#include <vector>

#include "engine/engine_lines.h"
#include "engine/thinking_line.h"
#include "game/position.h"

namespace yukora {

// The candidates 検討 may ask for (MultiPV).
inline constexpr int 検討の候補数の上限 = 3;

class 検討の読み {
public:
    explicit 検討の読み(int 候補数 = 1) : 筋_(static_cast<std::size_t>(候補数)) {}
    // An info line of the candidate its multipv names; others are passed over.
    void 受ける(const 読み筋& info);
    // A new position: nothing is known yet.
    void 消す();
    // "1  深さ 12  評価値 +123  ノード 1,234  ７六歩 ３四歩 …", one a candidate known so far,
    // the score for `見る側` (先手 or 後手).
    std::vector<std::string> 行(const 手番付き局面& pos, int 見る側) const;

private:
    std::vector<思考の様子> 筋_;
};

}  // namespace yukora
