// Writing a record as CSA (version 2.2): the main line with its comments; CSA has no branches.
#pragma once
#include "formats/kif_writer.h"

namespace yukora {

// The lines of the CSA file: names, event and start time, the start ("PI" with the pieces
// taken away, or the board and hands), the moves with their times, the end.
書式結果 CSA行を書く(const 対局記録& r);

}  // namespace yukora
