// The computer's whole turn: think, play the chosen move, announce, hand the turn back.
#pragma once
#include "computer/com_state.h"
#include "computer/turn_output.h"
#include "game/move_list.h"
#include "game/position.h"
#include "game/state.h"
#include "influence/influence_maps.h"

namespace yukora {

// Does nothing when the game is over. When the top side has no move at all the computer
// resigns: 勝者 := MAN番 and "あなたの勝ちです" / "終了"; the board is not touched.
void com_ban(局面& p, 勢力地図& m, COM思考状態& c, 進行状態& s, 手順リスト& list, 手番出力& out);

}  // namespace yukora
