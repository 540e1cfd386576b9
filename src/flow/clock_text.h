// The hh:mm:ss text of a player's total.
#pragma once
#include <string>

namespace yukora {

// Two-digit field: one digit gets a leading "0", two stay, more give an empty text.
std::string 変換_数字から文字(long n);

// Hours, minutes and seconds, two digits each, joined by ":".
std::string 調査_時間秒追加結果(float seconds);

}  // namespace yukora
