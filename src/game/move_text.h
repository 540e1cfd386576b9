// A move in Japanese notation: column digit, row numeral and piece name.
#pragma once
#include <string>
#include <string_view>

namespace yukora {

// "一" … "九" for 1..9, empty for any other value.
std::string_view 漢数字(int n);

// 1..9 full-width digits, 1001..1009 kanji numerals, ±piece codes their names; else empty.
std::string 文字列変換(int value);

// The move to (x, y) leaving `piece` there, as one text the way the board's side shows it:
// "７六歩", "２二角成".
std::string 記譜(int x, int y, int piece);

}  // namespace yukora
