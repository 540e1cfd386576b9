// Writing a record as KIF: header, the start (its 手合割 or a board diagram), one line per move.
#pragma once
#include <string>
#include <vector>

#include "formats/record_model.h"
#include "formats/record_text.h"

namespace yukora {

struct 書式結果 {
    std::vector<std::string> 行;  // UTF-8, without line ends
    std::string 理由;             // why the record cannot be written; empty when it can
};

// The lines of the KIF file; `enc` is the encoding the first line announces.
書式結果 KIF行を書く(const 対局記録& r, 文字コード enc);

// The lines of a board diagram of the position, hands and side to move included.
std::vector<std::string> 盤図の行(const 記録局面& pos, bool 駒落ち);

}  // namespace yukora
