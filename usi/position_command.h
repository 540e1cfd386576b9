// The arguments of the "position" command.
#pragma once
#include <string>
#include <string_view>

#include "usi/usi_position.h"

namespace yukora {

// startpos | sfen <board> <side> <hands> [<move number>], then optionally moves <m1> <m2> ...,
// every move checked and made with the rules. `引数` is the text after "position"; its words
// are read one at a time and reading stops at the first fault. Returns an empty string on
// success, else what is wrong; `結果` is written only on success.
std::string position命令を読む(std::string_view 引数, USI局面& 結果);

}  // namespace yukora
