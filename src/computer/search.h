// The computer's one-ply search: every board move and drop of the top side, each scored with
// the evaluation; the best strictly higher score wins, so ties keep the earliest candidate.
#pragma once
#include "computer/com_state.h"
#include "game/position.h"
#include "game/state.h"
#include "influence/influence_maps.h"

namespace yukora {

// The chosen move. A drop has 元X = 敵持駒列 and 元Y = the hand kind 1..7; 駒後 is the code that
// ends on the destination (the promoted code when the move promotes, the dropped piece for a
// drop) and 駒前 the code before the move (for a drop, the dropped piece too).
struct COM指し手 {
    bool 有り = false;
    int 元X = 0, 元Y = 0, 先X = 0, 先Y = 0, 駒前 = 0, 駒後 = 0;
    int 点十倍 = 0;  // score in integer tenths
};

// What the search lets the outside do while it runs (the game's clock and the notice).
class 探索通知 {
public:
    virtual ~探索通知() = default;
    virtual void 準備完了() = 0;  // the turn's snapshots are taken; show the notice now
    virtual void 時計更新() = 0;  // once per origin column and once per hand kind
};

// Takes the turn's snapshots: clears the marks, sets the two-pawn flags, counts the human
// king's flight squares on the maps as they stand, surveys, marks pins and bishop checks.
void COM思考準備(局面& p, 勢力地図& m, COM思考状態& c);

// The search of the computer's turn. Nothing is chosen when the game is over (勝者 ≠ 0) or
// when the top side has no move at all. p.COM持駒数 must be the sum of p.COM持駒.
// p.盤 is as before when it returns; m holds the survey of the last candidate and the king
// squares in p may be those of that candidate, so survey again before reading them.
COM指し手 COM探索(局面& p, 勢力地図& m, COM思考状態& c, 進行状態& s, 探索通知* 通知 = nullptr);

// Takes every candidate of COM全候補, in the search's order.
class 候補の受け {
public:
    virtual ~候補の受け() = default;
    virtual void 候補(const COM指し手& 手) = 0;
};

// Goes through the candidates exactly as COM探索 does (the same order, the same state carried
// from one to the next, both ways of an optional promotion scored and the search's choice
// between them) and hands each to `受け` with its score, but never stops early at a captured
// king or a mating drop and chooses nothing. Prepares as COM探索 does; no game-over test.
void COM全候補(局面& p, 勢力地図& m, COM思考状態& c, int レベル, 候補の受け& 受け);

}  // namespace yukora
