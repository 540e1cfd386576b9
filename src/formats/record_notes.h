// What a loaded record says beside its moves (comments, bookmarks, branches), carried over to
// the same game written out again.
#pragma once
#include "formats/record_model.h"

namespace yukora {

// The number of main-line moves `a` and `b` share from the start (same squares, drop, promotion).
int 同じ手の数(const 手の列& a, const 手の列& b);

// Copies the comments, bookmarks and branches of `from` onto `to` (a game from the same start)
// for the moves both share; the end's comments only when the whole line is the same. Where
// `to` plays another move, `from`'s line from there is kept as a branch of that move.
void 注釈を写す(const 対局記録& from, 対局記録& to);

}  // namespace yukora
