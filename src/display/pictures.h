// The 35 pictures of the window and the picture codes that select them.
#pragma once
#include <array>

namespace yukora {

struct 絵の仕様 {
    const char* 名前;  // holder name, with the index for promoted pictures
    int 幅, 高さ;      // pixels at 96 dpi
    int 駒;            // the piece code shown, 0 for the other pictures
};

inline constexpr int 絵の数 = 35;
// Indices into 絵一覧.
inline constexpr int 絵_空桝 = 0, 絵_下の駒 = 1, 絵_上の駒 = 15, 絵_背景 = 29, 絵_ロゴ = 34;
inline constexpr int 駒絵_幅 = 39, 駒絵_高さ = 44, 背景絵_幅 = 40, 背景絵_高さ = 45;
inline constexpr int ロゴ_幅 = 118, ロゴ_高さ = 39;

// 背景画番号 values 2..6 (picture codes of the tiles).
inline constexpr int 背景_緑 = 2, 背景_畳 = 3, 背景_竹 = 4, 背景_宇宙 = 5, 背景_煉瓦 = 6;

extern const std::array<絵の仕様, 絵の数> 絵一覧;

// The picture a drawing code selects: 0 empty square, ±piece codes, 1 logo, 2..6 tiles;
// -1 for any other code (nothing is drawn).
int 絵番号(int code);

}  // namespace yukora
