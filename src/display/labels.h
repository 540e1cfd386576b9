// The fixed texts the display prints: kanji numerals and the labels of 描画_文字列.
#pragma once
#include <string_view>

namespace yukora {

inline constexpr int 文字列_手目 = 99;

// "一" … "九" for 1..9, empty for any other value.
std::string_view 漢数字(int n);

// The label of a text code: -10..10 the handicap captions, 99 "手目"; empty otherwise.
std::string_view 文字列ラベル(int code);

}  // namespace yukora
