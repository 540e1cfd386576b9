// Writing a record as KIF: the header, the start, one line per move with its time, the
// comments and bookmarks, how each line ended, then the branches.
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

// A move in KIF words: "７六歩(77)", "同　角成(88)", "５五角打".
std::u32string KIFの指し手(const 記録局面& pos, const 記録の手& m, const 記録の手* 前の手);

// The lines of the KIF file; `enc` is the encoding the first line announces.
書式結果 KIF行を書く(const 対局記録& r, 文字コード enc);

}  // namespace yukora
