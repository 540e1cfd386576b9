// The computer's turn: how its move is announced once it is on the board.
#pragma once
#include "game/position.h"
#include "game/state.h"
#include "influence/influence_maps.h"

namespace yukora {

enum class COMの手の知らせ { なし, 詰め, 勝ち, 王手 };

// Surveys the position after the computer's move and says what it is announced as: mate of
// the human, the computer's win when it took the human's king (the mate test only runs while
// that king stands), a check, or nothing.
COMの手の知らせ 調査_COMの手の後(局面& p, 勢力地図& m, const 手番型& 番);

}  // namespace yukora
