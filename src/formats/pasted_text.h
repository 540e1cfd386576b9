// Records as text on the clipboard: which format a pasted text is, reading it, and the text
// of a game or a position to copy.
#pragma once
#include <string>
#include <string_view>

#include "formats/record_model.h"
#include "game/position.h"

namespace yukora {

enum class 貼り付け形式 {
    空,   // nothing but blanks
    USI,  // a position line or an SFEN
    CSA,
    KIF,
};

// The format of a pasted text, judged by its content: a USI position line or an SFEN by its
// first words, CSA by a line only CSA has ("V2.2", "PI", "P1…", "N+", "+7776FU"); anything
// else is read as KIF, whose reader tells KI2 by its text.
貼り付け形式 貼り付けの形式(std::string_view text);

// Reads the text in its format, as a file of that format is read.
読込結果 貼り付けを読む(std::string_view text);

enum class 写し形式 { KIF, CSA, KI2, USI };

struct 写しの文字 {
    std::string 文字;  // UTF-8, lines ended by LF
    std::string 理由;  // why the record cannot be written; empty when it can
};

// The game as text in the format.
写しの文字 記録の写し(const 対局記録& r, 写し形式 f);

// The SFEN of the position on the board: `下` the side value of the bottom player, `手番` the
// side to move (0 before a game: 先手), `手数` the moves made before it.
std::string 盤面のSFEN(const 局面& p, int 下, int 手番, int 手数);

}  // namespace yukora
