// Loading a record file into the move list (a click in the record panel's file list).
#pragma once
#include <string>

#include "display/screen_port.h"
#include "flow/dialog_port.h"
#include "flow/flow_state.h"
#include "flow/timer_port.h"
#include "record/line_reader.h"
#include "record/record_panel.h"
#include "rules/board_view.h"
#include "rules/move_list.h"
#include "rules/position.h"

namespace yukora {

// More entry lines than this are not read; no game comes near it.
inline constexpr int 棋譜項目の上限 = 20000;

// Reads the next line into 読込行 (UTF-8). Returns 1 when a line was read; 0 at the end
// of the file, on a read error and on bytes that are not Shift-JIS.
int 読込_棋譜ファイル(行入力& in, std::string& 読込行);

// Reads the three header lines, printing them where a loaded record shows them, and then
// one entry per line into entries 1, 2, … of the list. Returns the number of entries.
int 読込_棋譜内容(行入力& in, 手順リスト& list, 画面& screen);

// Loads the file `name` of the folder the file list shows: a new game in record mode with
// the record's entries in the move list, to be stepped through with "進".
void File1_Click(const std::string& name, 局面& p, 進行状態& s, 手順リスト& list, タイマー& timer,
                 盤描画& view, 画面& screen, 棋譜パネル& panel, ダイアログ& dialog);

}  // namespace yukora
