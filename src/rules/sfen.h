// Positions as SFEN text (the board, the side to move, the hands, the move number): the USI
// engine's positions and the positions of records printed for other programs.
#pragma once
#include <string>
#include <string_view>

#include "game/position.h"

namespace yukora {

// The usual starting position, sente to move.
手番付き局面 平手局面();

// Reads the three fields of an SFEN (board, side to move, hands) and checks that the position
// can start a game (開始局面の問題). Returns an empty string on success, else what is wrong;
// `結果` is written only on success.
std::string SFEN読込(std::string_view 盤面, std::string_view 手番, std::string_view 持駒,
                     手番付き局面& 結果);

// The SFEN of a position, with the move number `手数`.
std::string SFEN書込(const 手番付き局面& pos, int 手数 = 1);

}  // namespace yukora
