// Saving the game as a ".棋譜" file from the record panel (its "RETURN" button).
#pragma once
#include <string>

#include "game/dialog_port.h"
#include "game/move_list.h"
#include "game/state.h"
#include "panel/record_panel.h"

namespace yukora {

// Why a file name typed into Text1 cannot be used; empty when it can.
std::string ファイル名の問題(const std::string& name);

// Puts `内容` into the folder the file list shows as `name`, then closes the panel, lists the
// folder again and says the record is written. Returns 1 when written, else 0 after telling why.
int 棋譜ファイルを置く(const std::string& name, const std::string& 内容, 棋譜パネル& panel,
                       ダイアログ& dialog);

// Writes the record into the folder the file list shows. Returns 1 when written.
int Command1_Click(const 手順リスト& list, const 進行状態& s, 棋譜パネル& panel,
                   ダイアログ& dialog);

}  // namespace yukora
