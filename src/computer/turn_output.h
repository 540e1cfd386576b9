// Everything the computer's turn asks of the outside world: drawing, clocks, sound, dialogs.
// The game flow forwards each call to the display, clock, sound and dialog code; tests record.
#pragma once
#include <string>

#include "game/board_view.h"
#include "game/sounds.h"

namespace yukora {

// The inherited 盤描画 calls (描画_絵, 描画_桝輪郭, the hand stands) are those that 駒移動
// makes and the outline of the notice and of the destination square.
class 手番出力 : public 盤描画 {
public:
    // Display.
    virtual void 消去_思考中() = 0;
    // Text or a number at a cell point; kanji 0 prints the text as it is.
    virtual void 描画_数値(double x, double y, const std::string& value, int colour, int kanji,
                           int size) = 0;
    virtual void 描画_手数(int n, int colour) = 0;
    virtual void 描画_駒点滅(int code, double x, double y, int times) = 0;
    virtual void 描画_移動結果(int side, int x, int y, int piece, int colour) = 0;
    virtual void 消去_移動結果(int side) = 0;
    virtual void 表示更新() = 0;  // show what has been drawn so far, without handling input

    // Clocks.
    virtual void Timer1_Timer() = 0;
    virtual float 現在秒() = 0;  // time of day, seconds since midnight
    virtual void 待ち時間(float seconds) = 0;
    virtual void Timer1有効設定(bool on) = 0;
    virtual bool KEIKAチェック済() = 0;  // the option "経過時間" is checked

    virtual void 効果音(音 which) = 0;

    // A modal message box with one OK button.
    virtual void メッセージ(const std::string& text, const std::string& title) = 0;
};

}  // namespace yukora
