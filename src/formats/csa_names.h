// The two-letter piece names of CSA records.
#pragma once
#include <string_view>

namespace yukora {

// "FU" … "OU", "TO", "NY", "NK", "NG", "UM", "RY" for a code of either side.
std::string_view CSAの駒名(int code);

// The top-side code of a name; 0 when it names no piece.
int CSA名の駒(std::string_view name);

}  // namespace yukora
