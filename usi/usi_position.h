// A position as the protocol sees it: the board with sente at the bottom, and who is to move.
#pragma once
#include <string>
#include <string_view>

#include "game/position.h"

namespace yukora {

// Sente's pieces are the bottom (negative) codes and its hand is MAN持駒; gote's are the top
// ones. Square "7g" is (x, y) = (10 - 7, 7).
struct USI局面 {
    局面 p;
    int 手番 = 先手;  // 先手 (1) or 後手 (-1)
};

// The usual starting position, sente to move.
USI局面 平手局面();

// Reads the three fields of an SFEN (board, side to move, hands). Returns an empty string on
// success, else what is wrong; `結果` is written only on success.
std::string SFEN読込(std::string_view 盤面, std::string_view 手番, std::string_view 持駒,
                     USI局面& 結果);

// The SFEN of a position, move number 1.
std::string SFEN書込(const USI局面& pos);

}  // namespace yukora
