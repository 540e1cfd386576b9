// KIF, KIFU and CSA files through the record panel, chosen by the extension of the name.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "formats/record_model.h"
#include "game/board_view.h"
#include "game/dialog_port.h"
#include "game/move_list.h"
#include "game/position.h"
#include "game/state.h"
#include "own_format/record_reader.h"
#include "panel/record_panel.h"

namespace yukora {

// True when the name ends in ".kif", ".kifu", ".ki2", ".ki2u" or ".csa" (either case).
bool 他形式の名前か(const std::string& name);

// "KIF･CSA書込": the write panel as "書込" opens it with the list of formats beside the name,
// also on a turned board and after a handicap was set, since these formats hold any start.
void KIF_WRITE_Click(棋譜パネル& panel);

// Saves the game on the board in the format `f` into the file Text1 names, its extension
// added or put right, in the folder the file list shows. Returns 1 when written. The ending
// is the one given (an engine game knows its own), else the one the board shows. The
// comments and branches of `notes`, a record this game was loaded from, are written with it.
int 他形式で保存(const 手順リスト& list, const 局面& p, const 進行状態& s, 棋譜形式 f,
                 棋譜パネル& panel, ダイアログ& dialog, std::optional<終局理由> 終局 = std::nullopt,
                 const 対局記録* notes = nullptr);

// The boxes (title "棋譜") that tell how reading went: why nothing was read, or that all or
// only part of the record was read (the move and the line that stopped it).
std::vector<std::string> 他形式読込の知らせ(const 読込結果& r);

// Reads the file `name` of the file list's folder `folder`, in the format of its extension,
// into the move list. A start other than the usual one is read even without moves. When
// nothing can be read the move list stays as it is and no new game is asked for. The record
// read, as far as it was put into the move list, goes into `kept` when given.
棋譜読込結果 読込_他形式(const std::string& folder, const std::string& name, 手順リスト& list,
                         対局記録* kept = nullptr);

// A record read from a file or a text, into the move list for the game to step through;
// when nothing was read, the move list stays as it is and the boxes say why.
棋譜読込結果 読んだ記録を手順に(読込結果 r, 手順リスト& list, 対局記録* kept = nullptr);

// Nothing to keep or to step through: no move from the usual start. Any other start, a
// handicap or a turned board, is worth a record of its own.
bool 空の記録か(const 対局記録& r);

// Board and hands of entry 0 onto the position, drawn again when they are not what it held.
void 開始を盤に(const 手順リスト& list, 局面& p, const 手番型& 番, 盤描画& view);

}  // namespace yukora
