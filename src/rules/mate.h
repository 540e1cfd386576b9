// Mate tests of the game against the computer and the bottom king's flight squares.
// They read the influence maps of the current position (run the survey first) and take
// back every trial placement before they return.
#pragma once
#include "game/position.h"
#include "influence/influence_maps.h"

namespace yukora {

// 1 when the top side (COM) is mated. Runs the survey for its trial moves, so the maps it
// leaves behind may be those of a trial position.
int 詰めかCOM(局面& p, 勢力地図& m);

// 1 when the bottom side (MAN) is mated. Judges its trials with a direct reach test.
int 詰めかMAN(局面& p, const 勢力地図& m);

// 1 when some top piece can move onto the bottom king's square (first found, x outer).
int 詰めかMAN_COM移動(const 局面& p);

// Number of flight squares of the bottom king, each marked 1 in 逃道印.
int 調査_自王逃道(const 局面& p, const 勢力地図& m, 盤型& 逃道印);

}  // namespace yukora
