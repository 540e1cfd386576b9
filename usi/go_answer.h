// The answer to "go": the info lines and the bestmove.
#pragma once
#include <string>

#include "usi/usi_position.h"

namespace yukora {

struct go答え {
    std::string 情報;    // info lines, each ending in a newline
    std::string 指し手;  // "bestmove <move>" or "bestmove resign", without the newline
};

// The computer's choice at `レベル`, shown as `info depth 1 seldepth 1 nodes N score … pv <move>`
// and `info string score <exact>`; with `multipv` > 1, the best candidates one line each
// (`multipv k`). It resigns when every move leaves its own king attacked (its choice is still
// shown) or when it has no move at all.
go答え goに答える(const USI局面& pos, int レベル, int multipv);

}  // namespace yukora
