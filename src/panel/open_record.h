// The record panel's load for the ways in beside its file list: a path (the command line, a
// file dropped on the window, the file dialog, the recent files) and a pasted text.
#pragma once
#include <string>
#include <string_view>

#include "formats/record_model.h"
#include "game/move_list.h"
#include "own_format/record_reader.h"

namespace yukora {

// Reads the file at `path` into the move list as a click on it in the file list would: by
// its extension, with the same boxes. A KIF, KI2 or CSA record read is also put into `kept`.
棋譜読込結果 パスの棋譜を読む(const std::string& path, 手順リスト& list, 対局記録* kept = nullptr);

// Reads a pasted text (KIF, CSA, an SFEN or a USI position line) into the move list as a
// file of its format is read, up to its first MiB. Text of blanks only reads nothing, and the
// box says so.
棋譜読込結果 貼り付けの棋譜を読む(std::string_view text, 手順リスト& list,
                                  対局記録* kept = nullptr);

}  // namespace yukora
