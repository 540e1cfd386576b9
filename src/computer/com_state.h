// The computer's turn state: snapshots taken before the search and the marks of the surveys.
#pragma once
#include "game/pieces.h"
#include "game/position.h"
#include "influence/influence_maps.h"

namespace yukora {

// Scores of the computer's evaluation, held in whole tenths so that 0.1 steps add up exactly.
using 点数 = int;  // tenths of a point

constexpr 点数 点(int whole) { return whole * 10; }

inline constexpr 点数 王取り点 = 点(9999);      // the human king is taken
inline constexpr 点数 詰め点 = 点(9998);        // mate, or (negated) the own king left attacked
inline constexpr 点数 探索開始点 = 点(-99999);  // best score before any candidate

struct COM思考状態 {
    点数 最高点 = 0;       // best score of this turn (tenths)
    int 移動駒 = 0;        // the piece being tried, before promotion
    int 成駒 = 0;          // its promoted code, from 調査_駒成
    int 移動元王距離 = 0;  // origin's distance to the human king; drops keep the last board move's
    盤型 盤保存{};         // the board at the start of the turn
    盤型 逃道印{};         // flight squares of the human king, cleared once per turn
    int 逃道数前 = 0;      // the human king's flight count before the computer moves
    int COM持駒数前 = 0;
    // Influence as it stood before any candidate was tried.
    盤型 勢力MAN前{}, 勢力COM前{}, 攻駒COM_X前{}, 攻駒COM_Y前{};
    // Marks made once per turn, before the search.
    盤型 MAN移動不可{};          // 1 on a human piece pinned to its king
    bool COM移動不可有 = false;  // some computer piece is pinned to its king
    盤型 MAN角打王手{};          // 1 where a human bishop would check the computer's king
    long 評価回数 = 0;           // candidates scored in the last search (for measurements)
};

// One candidate position as the evaluation sees it: the state it reads and the move that made it.
struct 評価対象 {
    局面& p;  // some surveys lift a piece for a moment and put it back
    const 勢力地図& m;
    COM思考状態& c;
    int 取駒;      // what stood on the destination before (0 for a drop or an empty square)
    int 置駒;      // what stands there now (the promoted code when the move promotes)
    int 元X, 元Y;  // a drop comes from (敵持駒列, hand kind)
    int 先X, 先Y;

    bool 打ちか() const { return 元X == 敵持駒列; }
};

}  // namespace yukora
