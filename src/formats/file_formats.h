// Record files of every format the program knows: chosen by the extension, and by the text
// where it tells another format than the name.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "formats/record_model.h"

namespace yukora {

enum class 棋譜形式 {
    不明,
    棋譜,  // ".棋譜": this program's own, Shift-JIS
    KIF,   // ".kif": Shift-JIS
    KIFU,  // ".kifu": UTF-8
    KI2,   // ".ki2": Shift-JIS
    KI2U,  // ".ki2u": UTF-8
    CSA,   // ".csa": version 2.2, Shift-JIS
};

// The largest record file read or written (no game comes near it).
inline constexpr std::size_t 棋譜の大きさの上限 = 16u << 20;

// The format of a file name by its extension (ASCII letters in either case).
棋譜形式 拡張子の形式(std::string_view name);

// The extension of the format (".kif"); empty for 不明.
std::string_view 形式の拡張子(棋譜形式 f);

// The name ending in the format's extension: a record extension typed is replaced by it, and
// one already right is kept as typed.
std::string 拡張子を付ける(std::string_view name, 棋譜形式 f);

// Reads the bytes of a file named as in the format `f` (不明: no known extension). KIF, KI2
// and CSA find their encoding from the bytes. When the text is plainly of another format,
// the text decides and a note says so. A ".棋譜" file starts from the usual position; 先手
// is the side that moved first.
読込結果 棋譜を読む(std::string_view bytes, 棋譜形式 f);

struct 書込結果 {
    std::string 内容;  // the file's bytes, lines ended by CR LF
    std::string 理由;  // why the record cannot be written; empty when it can
};

// The bytes of the record in the format. A ".棋譜" file holds only a game of one move or more
// (at most as many as its reader takes) from the usual start with 先手 to move, and names
// that Shift-JIS can hold. No file larger than 棋譜の大きさの上限 is written.
書込結果 棋譜を書く(const 対局記録& r, 棋譜形式 f);

}  // namespace yukora
