// Writing a record as KI2: the header and start as in KIF, the moves in the notation of books
// with the relative words where like pieces could make the move, six to a line, then how each
// line ended ("まで…") and the branches. KI2 holds no times.
#pragma once
#include "formats/kif_writer.h"

namespace yukora {

書式結果 KI2行を書く(const 対局記録& r);

}  // namespace yukora
