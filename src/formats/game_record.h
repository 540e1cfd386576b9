// The game of the move list as a record for KIF and CSA, and a record back into the list.
#pragma once
#include <string>
#include <vector>

#include "formats/record_model.h"
#include "game/move_list.h"
#include "game/position.h"
#include "game/state.h"
#include "own_format/record_writer.h"

namespace yukora {

// Positions as the move list holds them: the bottom side has the negative codes.
struct 手順の列 {
    std::vector<手順記録> 項目;  // [0] the start, [i] the position after move i; entry i keeps
                                 // the clocks before and after the move that follows it
    int 先の手数 = 0;            // moves played before 項目[0] (on a board turned round)
    bool 下が指す = true;        // the bottom side moves first (only needed without moves)
    std::string 下の名前, 上の名前;
};

// The record of the positions, written from the first player's view: a handicap start puts
// the side without its pieces on top (後手, as 上手); any other start puts the side that made
// the game's first move at the bottom (先手). A last move that takes a king is left out and
// the record ends in 反則勝ち. An entry that does not follow from the one before by one move
// stops the record there; the error's 手数 is that entry's number.
読込結果 手順を記録に(const 手順の列& seq, 終局理由 how);

// The game on the board: entries 0..手順最終 of the move list, and the board itself when it
// stands after the move that followed the last entry. h holds the texts of Text2, Text3
// (the name of the player whose side value is 1) and Text4.
読込結果 対局を記録に(const 手順リスト& list, const 局面& p, const 進行状態& s, const 棋譜見出し& h,
                      const std::string& 開始日時, 終局理由 how);

// The record in the move list, 先手 at the bottom: entry 0 the start, entry i the position
// after move i, each with the clocks before and after the move that follows it (whole
// seconds). Returns the number of moves, the index of the last entry.
int 記録を手順に(const 対局記録& r, 手順リスト& list);

}  // namespace yukora
