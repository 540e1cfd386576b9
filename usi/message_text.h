// Input echoed in a message: printable ASCII only, and not too long.
#pragma once
#include <string>
#include <string_view>

namespace yukora {

// Bytes outside printable ASCII become '?'; more than 40 characters end in "...".
std::string 表示用(std::string_view text);

}  // namespace yukora
