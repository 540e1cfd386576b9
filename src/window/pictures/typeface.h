// The face the pictures' kanji are drawn in.
#pragma once

namespace yukora::window {

// The family the pictures' kanji are drawn with (the window font's face).
inline constexpr const char* 絵の書体 = "IPAPMincho";

}  // namespace yukora::window
