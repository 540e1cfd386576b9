// Reading a CSA record (versions 2 to 3): names, the start, the first game's moves.
#pragma once
#include <string>
#include <vector>

#include "formats/record_model.h"

namespace yukora {

// Reads the lines (UTF-8). Comments are skipped, and so is everything after "/". A record
// without a start position starts from the usual one. Every move is checked with the rules;
// reading stops at the first move that cannot be read or made and tells where.
読込結果 CSAを読む(const std::vector<std::string>& lines);

}  // namespace yukora
