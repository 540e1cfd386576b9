// The arguments of the "position" command.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "usi/usi_position.h"

namespace yukora {

// startpos | sfen <board> <side> <hands> [<move number>], then optionally moves <m1> <m2> ...,
// every move checked and made with the rules. Returns an empty string on success, else what
// is wrong; `結果` is written only on success.
std::string position命令を読む(const std::vector<std::string_view>& args, USI局面& 結果);

}  // namespace yukora
