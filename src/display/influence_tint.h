// What the influence display shows on a square: who controls it, how strongly, and how many
// pieces of each side reach it.
#pragma once
#include <array>

#include "game/position.h"
#include "influence/influence_maps.h"

namespace yukora {

// Palette colours of the side that controls a square.
inline constexpr int 地色_下 = 9;   // light blue: the bottom side reaches it more often
inline constexpr int 地色_上 = 12;  // light red: the top side does
inline constexpr int 地色_最濃 = 3;

struct 勢力地色 {
    int 色 = 0;    // 地色_下 or 地色_上; 0 where both reach it equally often
    int 濃さ = 0;  // 1..地色_最濃 by the difference of the counts; 0 where they are equal
    int 下 = 0;    // bottom pieces that reach the square
    int 上 = 0;    // top pieces that reach it
    bool operator==(const 勢力地色&) const = default;
};

// Indexed [x][y] like the board, 1..9 used; all zero means no tint and no counts anywhere.
using 地色表 = std::array<std::array<勢力地色, 10>, 10>;

// The square's tint from the counts: the colour of the side with more reach, one shade per
// piece of difference up to the darkest.
勢力地色 勢力の地色(int 勢力MAN, int 勢力COM);

// Every square's tint from the maps of a survey.
地色表 勢力地色表(const 勢力地図& m);

// The tints of a position: surveyed on a copy with maps of its own, so neither the position
// nor the game's maps change.
地色表 局面の地色表(const 局面& p);

}  // namespace yukora
