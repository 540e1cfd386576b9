// Saving the game where the desktop's file dialog says, in the format its filter chose.
#pragma once
#include <string>

#include "formats/file_formats.h"
#include "game/dialog_port.h"
#include "game/state.h"

namespace yukora {

// Why the game cannot be saved in any format (the text of a box titled "棋譜保存"): a move
// that cannot be recorded, or nothing to save. Empty when it can be saved.
std::string 保存できない理由(const 読込結果& game);

// Writes the record at `path` in the format `f`, replacing the file whole, and says so in a
// box; a ".棋譜" file is refused on a turned board and after a handicap, as "書込" refuses
// it. Returns 1 when written, else 0 after telling why.
int 名前を付けて保存(const 対局記録& r, const 進行状態& s, const std::string& path, 棋譜形式 f,
                     ダイアログ& dialog);

}  // namespace yukora
