// The options kept from one run to the next, and the check marks of the "ｵﾌﾟｼｮﾝ" menu.
#pragma once
#include <array>

#include "display/pictures.h"  // the background numbers 背景_緑 … 背景_煉瓦

namespace yukora {

// Opened by this bare name in the folder the program was started from.
inline constexpr const char* 環境設定ファイル名 = "Yukora将棋1.ini";

// The zooms of the "表示倍率" menu in percent, and the item that scales the board with the
// window ("ウィンドウに合わせる").
inline constexpr std::array<int, 6> 表示倍率一覧{100, 125, 150, 200, 250, 300};
inline constexpr int 表示倍率_合わせる = 0;
inline constexpr int 表示倍率_既定 = 100;

// The check marks; the window mirrors them on its menu. The writer reads only these.
struct オプション印 {
    bool MIDORI = false;
    bool TATAMI = true;  // checked in the initial menu
    bool TAKE = false;
    bool UCHU = false;
    bool RENGA = false;
    bool SIDOU = false;
    bool KEIKA = false;
    bool BGM = false;
    bool SEIRYOKU = false;         // the influence display on the board
    bool KIFULIST = false;         // the move list beside the board
    int 表示倍率 = 表示倍率_既定;  // one of 表示倍率一覧, or 表示倍率_合わせる
};

// The background number 背景画番号 (2..6 once set, 0 before) belongs to the display; the
// procedures that set it take it by reference.
struct 設定状態 {
    int 移動指導フラグ = 0;  // 1 while move guidance is on
    int 指導色 = 0;          // colour of guidance marks and of foreign-square outlines
    オプション印 印;
};

}  // namespace yukora
