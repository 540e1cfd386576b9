#include "display/pictures.h"

#include "game/pieces.h"

namespace yukora {
namespace {

// Piece codes in the order of the picture holders: 歩, と, 香, 香成, … 王.
constexpr int 駒の並び[14] = {歩, と, 香, 香成, 桂, 桂成, 銀, 銀成, 金, 角, 角成, 飛, 飛成, 王};

}  // namespace

const std::array<絵の仕様, 絵の数> 絵一覧{{
    {"KARA_MASU", 駒絵_幅, 駒絵_高さ, 0},
    {"SITA_HU(0)", 駒絵_幅, 駒絵_高さ, -歩},
    {"SITA_HU(1)", 駒絵_幅, 駒絵_高さ, -と},
    {"SITA_KYOU(0)", 駒絵_幅, 駒絵_高さ, -香},
    {"SITA_KYOU(1)", 駒絵_幅, 駒絵_高さ, -香成},
    {"SITA_KEI(0)", 駒絵_幅, 駒絵_高さ, -桂},
    {"SITA_KEI(1)", 駒絵_幅, 駒絵_高さ, -桂成},
    {"SITA_GIN(0)", 駒絵_幅, 駒絵_高さ, -銀},
    {"SITA_GIN(1)", 駒絵_幅, 駒絵_高さ, -銀成},
    {"SITA_KIN", 駒絵_幅, 駒絵_高さ, -金},
    {"SITA_KAKU(0)", 駒絵_幅, 駒絵_高さ, -角},
    {"SITA_KAKU(1)", 駒絵_幅, 駒絵_高さ, -角成},
    {"SITA_SYA(0)", 駒絵_幅, 駒絵_高さ, -飛},
    {"SITA_SYA(1)", 駒絵_幅, 駒絵_高さ, -飛成},
    {"SITA_OU", 駒絵_幅, 駒絵_高さ, -王},
    {"UE_HU(0)", 駒絵_幅, 駒絵_高さ, 歩},
    {"UE_HU(1)", 駒絵_幅, 駒絵_高さ, と},
    {"UE_KYOU(0)", 駒絵_幅, 駒絵_高さ, 香},
    {"UE_KYOU(1)", 駒絵_幅, 駒絵_高さ, 香成},
    {"UE_KEI(0)", 駒絵_幅, 駒絵_高さ, 桂},
    {"UE_KEI(1)", 駒絵_幅, 駒絵_高さ, 桂成},
    {"UE_GIN(0)", 駒絵_幅, 駒絵_高さ, 銀},
    {"UE_GIN(1)", 駒絵_幅, 駒絵_高さ, 銀成},
    {"UE_KIN", 駒絵_幅, 駒絵_高さ, 金},
    {"UE_KAKU(0)", 駒絵_幅, 駒絵_高さ, 角},
    {"UE_KAKU(1)", 駒絵_幅, 駒絵_高さ, 角成},
    {"UE_SYA(0)", 駒絵_幅, 駒絵_高さ, 飛},
    {"UE_SYA(1)", 駒絵_幅, 駒絵_高さ, 飛成},
    {"UE_OU", 駒絵_幅, 駒絵_高さ, 王},
    {"HAIKEI_MIDORI", 背景絵_幅, 背景絵_高さ, 0},
    {"HAIKEI_TATAMI", 背景絵_幅, 背景絵_高さ, 0},
    {"HAIKEI_TAKE", 背景絵_幅, 背景絵_高さ, 0},
    {"HAIKEI_UCHU", 背景絵_幅, 背景絵_高さ, 0},
    {"HAIKEI_RENGA", 背景絵_幅, 背景絵_高さ, 0},
    {"YUKORASHOGI", ロゴ_幅, ロゴ_高さ, 0},
}};

int 絵番号(int code) {
    if (code == 0) return 絵_空桝;
    if (code == 1) return 絵_ロゴ;
    if (code >= 背景_緑 && code <= 背景_煉瓦) return 絵_背景 + code - 背景_緑;
    const int 大きさ = code < 0 ? -code : code;
    for (int i = 0; i < 14; ++i)
        if (駒の並び[i] == 大きさ) return (code < 0 ? 絵_下の駒 : 絵_上の駒) + i;
    return -1;
}

}  // namespace yukora
