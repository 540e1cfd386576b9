// The 16-colour palette of the old PC text modes; colours are referred to by number 0..15.
#pragma once
#include <array>
#include <cstdint>

namespace yukora {

struct 色値 {
    std::uint8_t r, g, b;
};

inline constexpr std::array<色値, 16> パレット{{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

inline constexpr int 色_黒 = 0, 色_緑 = 2, 色_明赤 = 12, 色_黄 = 14, 色_白 = 15;

// Any number outside 0..15 is taken modulo 16, as the palette wraps.
constexpr 色値 パレット色(int n) { return パレット[static_cast<unsigned>(n) & 15u]; }

}  // namespace yukora
