// Saving the game as a record file (the "RETURN" button of the record panel).
#pragma once
#include <optional>
#include <string>

#include "game/dialog_port.h"
#include "game/move_list.h"
#include "game/state.h"
#include "record/record_panel.h"

namespace yukora {

// The extension of record files.
inline constexpr const char* 棋譜拡張子 = ".棋譜";

// The texts of Text2, Text3 and Text4. The file holds the title, then the name of the top
// player, then that of the bottom player: 後手名 above when the bottom player moves first.
struct 棋譜見出し {
    std::string 対局名, 先手名, 後手名;
};

// Why a box's text cannot be saved.
enum class 見出しの問題 {
    ShiftJISにない,  // a line break or a character Shift-JIS lacks
    長すぎる,        // longer in Shift-JIS than the reader takes
};

struct 棋譜書式結果 {
    std::optional<std::string> 内容;    // the file's bytes
    棋譜欄 書けない欄 = 棋譜欄::Text2;  // the box whose text cannot be saved, when 内容 is empty
    見出しの問題 問題 = 見出しの問題::ShiftJISにない;
};

// The whole file: header lines and entries 1..手順最終, Shift-JIS with CR LF.
棋譜書式結果 書式_棋譜ファイル(const 手順リスト& list, const 進行状態& s, const 棋譜見出し& h);

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
