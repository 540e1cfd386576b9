// Reading a KI2 record: the header and start as in KIF, then moves in the notation of books
// ("▲７六歩　△３四歩"), their pieces found from the relative words by the rules.
#pragma once
#include <string>
#include <vector>

#include "formats/record_model.h"

namespace yukora {

// Reads the lines (UTF-8) with their comments, bookmarks, branches and closing lines. Stops
// at the first move that cannot be read, found or made and tells where.
読込結果 KI2を読む(const std::vector<std::string>& lines);

}  // namespace yukora
