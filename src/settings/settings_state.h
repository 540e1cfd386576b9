// The options kept from one run to the next, and the check marks of the "ｵﾌﾟｼｮﾝ" menu.
#pragma once
#include "display/pictures.h"  // the background numbers 背景_緑 … 背景_煉瓦

namespace yukora {

// Opened by this bare name in the folder the program was started from.
inline constexpr const char* 環境設定ファイル名 = "Yukora将棋1.ini";

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
    bool SEIRYOKU = false;  // the influence display on the board
};

// The background number 背景画番号 (2..6 once set, 0 before) belongs to the display; the
// procedures that set it take it by reference.
struct 設定状態 {
    int 移動指導フラグ = 0;  // 1 while move guidance is on
    int 指導色 = 0;          // colour of guidance marks and of foreign-square outlines
    オプション印 印;
};

}  // namespace yukora
