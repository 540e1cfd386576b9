// The computer's turn state: snapshots taken before the search and the marks of the surveys.
#pragma once
#include "computer/points.h"
#include "game/pieces.h"

namespace yukora {

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

}  // namespace yukora
