// One entry of the move list as a fixed-width line of a record file.
#pragma once
#include <string>
#include <string_view>

#include "game/move_list.h"

namespace yukora {

// 81 board fields of 4, 14 hand counts of 1, 4 times of 5.
inline constexpr int 棋譜行の長さ = 81 * 4 + 14 + 4 * 5;
static_assert(棋譜行の長さ == 358);

// A hand count as one character: "0".."9", then "A" = 10 … "I" = 18 (pawns reach 18).
char 持駒数の文字(int count);
// The count a character stands for; 0 for any other character.
int 持駒数の値(char32_t c);

// The seconds of a clock as written: the integer part, kept within the five characters.
int 記録秒(float seconds);

// The line of entry e: always 棋譜行の長さ ASCII characters.
std::string 書式_棋譜行(const 手順記録& e);

// The entry a line spells. Fields are counted in characters; a missing or malformed field
// reads as 0, and so does a board code that is not a piece.
手順記録 解析_棋譜行(std::string_view utf8);

}  // namespace yukora
