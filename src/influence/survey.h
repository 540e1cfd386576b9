// The influence survey: rebuilds every map from the board alone.
#pragma once
#include "game/position.h"
#include "influence/influence_maps.h"

namespace yukora {

// Reads p.盤, writes every map and both king squares (when a king is met).
void 勢力調査(局面& p, 勢力地図& m);

// The reach of sliding and gold-moving pieces, called by the survey for one mover at (x, y).
void 勢力確定上直進(const 局面& p, 勢力地図& m, int code, int x, int y);
void 勢力確定下直進(const 局面& p, 勢力地図& m, int code, int x, int y);
void 勢力確定右直進(const 局面& p, 勢力地図& m, int code, int x, int y);
void 勢力確定左直進(const 局面& p, 勢力地図& m, int code, int x, int y);
void 勢力確定自角(const 局面& p, 勢力地図& m, int x, int y);
void 勢力確定敵角(const 局面& p, 勢力地図& m, int code, int x, int y);
void 勢力確定自金(const 局面& p, 勢力地図& m, int code, int x, int y);
void 勢力確定敵金(const 局面& p, 勢力地図& m, int x, int y);

}  // namespace yukora
