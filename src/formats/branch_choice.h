// Choosing another line of play of a record: the moves that may stand as a move of the main
// line, and making one of them the line played.
#pragma once
#include <string>
#include <vector>

#include "formats/record_model.h"

namespace yukora {

// The moves that may stand as move `N` (1..) of the main line: its own first, then the first
// move of each of its branches, in KIF words with the mover's mark ("▲２六歩(27)"). Empty when
// the main line has no move N.
std::vector<std::string> 変化の候補(const 対局記録& r, int N);

// Makes branch `k` (1..) of move `N` the main line from move N on; the line it replaces takes
// its place among the branches, so that choosing `k` again gives the record back. false when
// there is no such branch.
bool 変化を本線に(手の列& line, int N, int k);

}  // namespace yukora
