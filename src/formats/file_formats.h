// Record files of every format the program knows, chosen by their extension.
#pragma once
#include <string>
#include <string_view>

#include "formats/record_model.h"

namespace yukora {

enum class 棋譜形式 {
    不明,
    棋譜,  // ".棋譜": this program's own, Shift-JIS
    KIF,   // ".kif": Shift-JIS
    KIFU,  // ".kifu": UTF-8
    CSA,   // ".csa": version 2.2, Shift-JIS
};

// The format of a file name by its extension (ASCII letters in either case).
棋譜形式 拡張子の形式(std::string_view name);

// Reads the bytes of a file in the format. KIF and CSA find their encoding from the bytes.
// A ".棋譜" file starts from the usual position; 先手 is the side that moved first.
読込結果 棋譜を読む(std::string_view bytes, 棋譜形式 f);

struct 書込結果 {
    std::string 内容;  // the file's bytes, lines ended by CR LF
    std::string 理由;  // why the record cannot be written; empty when it can
};

// The bytes of the record in the format. A ".棋譜" file holds only a game of at least one
// move from the usual start with 先手 to move, and names that Shift-JIS can hold.
書込結果 棋譜を書く(const 対局記録& r, 棋譜形式 f);

}  // namespace yukora
