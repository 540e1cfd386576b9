// How a record ends, in the words of KIF and CSA.
#pragma once
#include <string>
#include <string_view>

#include "formats/record_model.h"

namespace yukora {

// The word of a KIF end line ("投了"); empty for なし.
std::u32string_view KIFの終局語(終局理由 how);

// The end a KIF word names; 中断 for a word that names no known end.
終局理由 KIF語の終局(std::u32string_view word);

// True when the word is one of the end words of KIF (a line that ends the moves).
bool KIFの終局語か(std::u32string_view word);

// The CSA end line without its "%" ("TORYO"); `手番` is the side to move after the last move,
// which tells the loser of a foul. Empty for なし.
std::string CSAの終局語(終局理由 how, int 手番);

// The end a CSA word names (without "%"); 中断 for a word that names no known end.
終局理由 CSA語の終局(std::string_view word, int 手番);

// The end a closing line names ("まで94手で後手の勝ち" is 投了); `手番` is the side to move
// after the last move. なし for a line that is no closing line, 中断 for an end not known.
終局理由 まで行の終局(std::u32string_view line, int 手番);

// The closing line of a KIF file: "まで94手で後手の勝ち". 駒落ち names the sides 下手/上手.
std::u32string まで行(終局理由 how, int 手数, int 手番, bool 駒落ち);

}  // namespace yukora
