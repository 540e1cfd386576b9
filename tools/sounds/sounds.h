// The four sounds of the game, made from nothing but arithmetic.
#pragma once
#include "synth.h"

namespace yukora::音作成 {

// "その他.wav": a soft two-note chime.
標本列 合成_チャイム();
// "禁止.wav": a short, low, rough buzz.
標本列 合成_ブザー();
// "駒打音.wav": a wooden piece put down on a wooden board.
標本列 合成_駒音();
// "BGM.wav": a calm koto piece over a soft drone in the in-scale, 32 s, built as a loop:
// its last sample leads into its first.
標本列 合成_BGM();

}  // namespace yukora::音作成
