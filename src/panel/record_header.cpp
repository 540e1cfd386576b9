#include "panel/record_header.h"

#include <cmath>

#include "display/move_caption.h"
#include "game/palette.h"

namespace yukora {
namespace {

constexpr int 見出し文字サイズ = 12;
// The title and the bottom player's name go in the band below the board (the top of row 10),
// as the top player's name sits above it; starting a game clears that band.
constexpr int 盤の下Y = 6700;

// Window X of a header line; whole twips for every length.
int 見出しX(const std::string& text) {
    return static_cast<int>(std::lround(取得_棋譜のX座標(text)));
}

}  // namespace

void 見出しを印字(画面& screen, const std::vector<std::string>& lines) {
    if (lines.size() > 0)
        screen.文字(見出しX(lines[0]) - 3000, 盤の下Y, lines[0], 見出し文字サイズ, 色_明赤);
    if (lines.size() > 1) screen.文字(見出しX(lines[1]), 100, lines[1], 見出し文字サイズ, 色_白);
    if (lines.size() > 2)
        screen.文字(見出しX(lines[2]), 盤の下Y, lines[2], 見出し文字サイズ, 色_白);
}

}  // namespace yukora
