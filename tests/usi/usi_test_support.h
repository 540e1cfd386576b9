// Helpers for the engine's tests: positions from SFEN text.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "usi/usi_position.h"

namespace yukora::test {

inline const char* const 平手SFEN =
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

// Words separated by spaces.
std::vector<std::string_view> 空白で分ける(std::string_view text);

// The position of a well-formed SFEN ("<board> <side> <hands> [n]"); fails the test otherwise.
USI局面 SFENの局面(const std::string& sfen);

// The same position seen from the other side, worked on the text alone: ranks and files
// reversed, upper and lower case exchanged, the other side to move.
std::string SFEN反転(const std::string& sfen);

// The move that corresponds to `move` in the position turned round: 7g7f -> 3c3d, G*5h -> G*5b.
std::string 指し手反転(const std::string& move);

// The moves of the recorded real game in USI notation, from the starting position.
std::vector<std::string> 実戦の指し手();

}  // namespace yukora::test
