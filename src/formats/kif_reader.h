// Reading a KIF record: header, a 手合割 or a board diagram, the main line of moves.
#pragma once
#include <string>
#include <vector>

#include "formats/record_model.h"

namespace yukora {

// Reads the lines (UTF-8). Comments, bookmarks and variations are skipped; every move is
// checked with the rules. Stops at the first move that cannot be read or made and tells
// where; a file without moves and without a start position is an error too.
読込結果 KIFを読む(const std::vector<std::string>& lines);

}  // namespace yukora
