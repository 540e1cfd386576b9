// Helpers for the tests of KIF and CSA records: positions as SFEN, text as lines.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "formats/record_model.h"

namespace yukora::test::棋譜交換 {

// Board, side to move and hands of a position as SFEN (no move number).
std::string SFEN(const 記録局面& pos);

// The position an SFEN names (board, side, hands); fails the test when it names none.
記録局面 SFENの局面(std::string_view sfen);

// The position after every move of the record (stops at a move that cannot be made).
記録局面 最後の局面(const 対局記録& r);

// The record's tree as lines, one per move ("3 2g2f 5s"), its comments ("* …"), bookmark
// ("& …"), and the end of each line ("投了 7s"); a branch is indented under "変化 N".
std::vector<std::string> 木(const 対局記録& r);

// The text split at line feeds (no line ends kept).
std::vector<std::string> 行に(std::string_view text);

}  // namespace yukora::test::棋譜交換
