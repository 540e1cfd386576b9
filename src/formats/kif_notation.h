// The words of KIF files: files, ranks, counts and the names of the pieces.
#pragma once
#include <string>
#include <string_view>

namespace yukora {

// "１".."９" for a file 1..9.
std::u32string 筋の文字(int file);

// Kanji numerals 1..18: "一".."九", "十", "十一".."十八" (ranks and counts in hand).
std::u32string 漢数字(int n);

// The value of a file digit (full-width or ASCII) or of a rank (kanji or a digit); 0 when
// the character is neither.
int 筋の値(char32_t c);
int 段の値(char32_t c);

// A count written in kanji or digits ("十八", "3"); 0 when it is not one.
int 数の値(std::u32string_view text);

// The name of a piece in a move: "歩" … "玉", "と", "成香", "成桂", "成銀", "馬", "龍".
std::u32string 指し手の駒名(int code);

// The one character of a piece in a board diagram: "と", "杏", "圭", "全", "馬", "龍", ….
char32_t 盤図の駒字(int code);

// The top-side code named at the start of `text` (the longest name: "成香" before "成"),
// with the length of the name; 0 when no piece is named there. "王"/"玉" and "龍"/"竜" are
// both read, and so are the one-character names of the diagrams.
int 駒名を読む(std::u32string_view text, std::size_t& length);

}  // namespace yukora
