// The game as a ".棋譜" record file: three header lines, then one line per move-list entry.
#pragma once
#include <optional>
#include <string>

#include "game/move_list.h"
#include "game/state.h"

namespace yukora {

// The extension of record files.
inline constexpr const char* 棋譜拡張子 = ".棋譜";

// The texts of Text2, Text3 and Text4. The file holds the title, then the name of the top
// player, then that of the bottom player: 後手名 above when the bottom player moves first.
struct 棋譜見出し {
    std::string 対局名, 先手名, 後手名;
};

// The header texts by what they hold.
enum class 見出し欄 { 対局名, 先手名, 後手名 };

// Why a header text cannot be saved.
enum class 見出しの問題 {
    ShiftJISにない,  // a line break or a character Shift-JIS lacks
    長すぎる,        // longer in Shift-JIS than the reader takes
};

struct 棋譜書式結果 {
    std::optional<std::string> 内容;         // the file's bytes
    見出し欄 書けない欄 = 見出し欄::対局名;  // the text that cannot be saved, when 内容 is empty
    見出しの問題 問題 = 見出しの問題::ShiftJISにない;
};

// The whole file: header lines and entries 1..手順最終, Shift-JIS with CR LF.
棋譜書式結果 書式_棋譜ファイル(const 手順リスト& list, const 進行状態& s, const 棋譜見出し& h);

}  // namespace yukora
