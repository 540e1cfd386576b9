// Reading a KIF record: the header, a 手合割 or a board diagram, the moves with their times,
// comments, bookmarks and branches, and how each line ended.
#pragma once
#include <string>
#include <vector>

#include "formats/record_model.h"

namespace yukora {

// Reads the lines (UTF-8). Every move is checked with the rules. Stops at the first line that
// cannot be read or move that cannot be made and tells where; a file without moves and
// without a start position is an error too.
読込結果 KIFを読む(const std::vector<std::string>& lines);

}  // namespace yukora
