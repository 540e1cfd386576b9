// The header of KIF and KI2 files as written: the record's header lines in their order, with
// the start (its 手合割, or a board diagram) before the players' names.
#pragma once
#include <string>
#include <vector>

#include "formats/record_model.h"

namespace yukora {

// The header lines, the start included.
std::vector<std::string> KIF見出しの行(const 対局記録& r);

// The lines of a board diagram of the position, hands and side to move included.
std::vector<std::string> 盤図の行(const 記録局面& pos, bool 駒落ち);

// A header KIF and KI2 can hold: a key without blanks or colons, which end a key, or a line
// kept whole that would not read as a move, a branch or a closing line. Others are left out.
bool KIFの見出しに書けるか(const 見出し項目& h);

// The text on one line: line breaks become blanks.
std::string 一行に(std::string s);

}  // namespace yukora
