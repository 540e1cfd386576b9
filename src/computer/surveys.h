// Small surveys of the position used by the computer's turn and its evaluation.
#pragma once
#include "computer/com_state.h"
#include "game/position.h"
#include "influence/influence_maps.h"

namespace yukora {

// Destinations of `駒` from (x, y) that the opponent does not reach.
int 調査_移動可場所数(const 局面& p, const 勢力地図& m, int x, int y, int 駒);

// Minus the number of neighbours of (x, y) holding a computer bishop, rook, promotion or king.
int 調査_周辺状況(const 局面& p, int x, int y);

// With the piece on (x, y) lifted off: does a human lance or rook below reach (x, y) up the column?
// The piece is put back before returning.
bool 調査_自守駒MAN_直進駒(局面& p, int x, int y);

// Marks the empty squares the computer does not reach from which a human bishop would check
// the computer's king (c.MAN角打王手).
void 調査_持角狙座標(const 局面& p, const 勢力地図& m, COM思考状態& c);

// Marks human pieces pinned to their king by a computer lance, bishop or rook (c.MAN移動不可)
// and notes whether any computer piece is pinned the same way (c.COM移動不可有).
// Lifts each piece for a moment and puts it back.
void 調査_移動不可駒(局面& p, COM思考状態& c);

// Gain of a lance dropped behind a computer pawn that arrived on (x, y) and is attacked by a
// human bishop or rook: the value of the first piece down the column, else 0.
int 調査_香狙い(const 局面& p, const 勢力地図& m, int x, int y);

// Gain of a knight drop forking past a computer pawn or lance on (x, y): 0 or piece values.
int 調査_桂狙い(const 局面& p, const 勢力地図& m, int x, int y);

}  // namespace yukora
