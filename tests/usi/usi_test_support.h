// Helpers for the engine's tests: positions from SFEN text.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "usi/usi_position.h"

namespace yukora::test {

inline const char* const 平手SFEN = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

// Words separated by spaces.
std::vector<std::string_view> 空白で分ける(std::string_view text);

// The position of a well-formed SFEN ("<board> <side> <hands> [n]"); fails the test otherwise.
USI局面 SFENの局面(const std::string& sfen);

}  // namespace yukora::test
