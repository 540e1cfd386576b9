// A move of an engine game judged by the full rules of shogi: the game's own move test, and
// besides it no king left attacked and no mate by a dropped pawn.
#pragma once
#include <string>
#include <string_view>

#include "game/position.h"
#include "rules/checked_move.h"

namespace yukora {

// 1 when a piece of the other side could move onto the king of `下` (the bottom side, the
// negative codes) or of the top side.
bool 王手されているか(const 局面& p, bool 下);

enum class 反則 { なし, 読めない, 指せない, 王手放置, 打ち歩詰め };

struct 手の判定 {
    反則 理由 = 反則::なし;
    指定の手 手;
    手番付き局面 後;    // the position after the move, when it is allowed
    bool 王手 = false;  // the move attacks the other king
};

// Judges the move of the side to move of `pos` (USI notation, or already read).
手の判定 手を確かめる(const 手番付き局面& pos, std::string_view usi);
手の判定 手を確かめる(const 手番付き局面& pos, const 指定の手& m);

// Why a move is refused, for the person: "王手を放置する手です" ….
std::string 反則の説明(反則 why);

}  // namespace yukora
