// The game kept when the program ends before it was saved, as "last-game.kif" in the user's
// data folder.
#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "formats/record_model.h"

namespace yukora {

inline constexpr const char* 前回の対局の名前 = "last-game.kif";

// What tells whether a game changed since it was saved or loaded: its start, its moves and
// its comments.
std::string 対局の手順(const 対局記録& r);

// The bytes of "last-game.kif" for the game, or nothing when there is nothing to keep: no
// move from the usual start, or the game as it was last saved or loaded (`保存済み` its
// 対局の手順). Only the moves that could be recorded are kept.
std::optional<std::string> 残す対局(const 読込結果& game, const std::string& 保存済み);

// Puts the bytes into folder/last-game.kif, the folder made when missing, replacing the file
// whole. Returns 0, else the error of ファイル置換 (or of making the folder).
int 前回の対局を書く(const std::filesystem::path& folder, const std::string& bytes);

}  // namespace yukora
