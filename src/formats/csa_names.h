// The two-letter piece names of CSA records.
#pragma once
#include <string_view>

namespace yukora {

// "FU" … "OU", "TO", "NY", "NK", "NG", "UM", "RY" for a code of either side.
std::string_view CSAの駒名(int code);

// The top-side code of a name; 0 when it names no piece.
int CSA名の駒(std::string_view name);

// The header keys CSA and KIF share: "EVENT" for "棋戦", "SITE" for "場所", …; empty when
// the other format has no such key.
std::string_view CSAの見出し名(std::string_view kif);
std::string_view KIFの見出し名(std::string_view csa);

}  // namespace yukora
