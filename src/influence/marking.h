// The single-step and ray update rules shared by the survey and its mover procedures.
#pragma once
#include "game/position.h"
#include "influence/influence_maps.h"

namespace yukora::influence {

// Which optional updates a top-side step makes.
struct COM効き方 {
    bool 守駒 = false;      // updates defenders
    bool 守駒座標 = false;  // records its square with the defender
    bool 攻駒 = false;      // updates attackers
    bool 攻駒座標 = false;  // records its square with the attacker
    bool 王手 = false;      // marks checks
    bool 桂 = false;        // a knight check also marks the king's square
};

// Bottom mover at (x, y) with record code r reaches (x+dx, y+dy), if on the board.
void MAN一歩(const 局面& p, 勢力地図& m, int r, int x, int y, int dx, int dy, bool 王手印, bool 桂);
// Top mover at (x, y) with record code r reaches (x+dx, y+dy), if on the board.
void COM一歩(const 局面& p, 勢力地図& m, int r, int x, int y, int dx, int dy, COM効き方 how);
// A ray in direction (dx, dy) for the side given by the sign of r.
void 直進(const 局面& p, 勢力地図& m, int r, int x, int y, int dx, int dy);

}  // namespace yukora::influence
