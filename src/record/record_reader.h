// Loading a record file into the move list (a click in the record panel's file list).
#pragma once
#include <string>
#include <vector>

#include "game/board_view.h"
#include "game/clock_port.h"
#include "game/dialog_port.h"
#include "game/move_list.h"
#include "game/position.h"
#include "game/screen_port.h"
#include "game/state.h"
#include "record/line_reader.h"
#include "record/record_content.h"
#include "record/record_panel.h"

namespace yukora {

// Loads the file `name` of the folder the file list shows: a new game in record mode with
// the record's entries in the move list, to be stepped through with "進". The title is
// printed below the board, the top player's name above it and the bottom player's below.
void File1_Click(const std::string& name, 局面& p, 進行状態& s, 手順リスト& list, タイマー& timer,
                 盤描画& view, 画面& screen, 棋譜パネル& panel, ダイアログ& dialog);

// Prints the header lines read: the title below the board, then the top player's name
// above it and the bottom player's below it.
void 見出しを印字(画面& screen, const std::vector<std::string>& lines);

// Only names inside the file list's folder are opened.
bool 一覧の名前か(const std::string& name);

// The texts of the boxes (title "棋譜") that tell how reading went, in order: why nothing
// was read, or that all or only part of the record was read and how to step through it.
std::vector<std::string> 棋譜読込の知らせ(開く結果 opened, const 棋譜内容& c);

}  // namespace yukora
