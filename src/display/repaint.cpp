// The full repaint and the fixed areas around the board: background, coordinates, move number.
#include "display/display.h"
#include "game/palette.h"

namespace yukora {

void 表示::画面_再描画() {
    描画_背景(状態.背景画番号);
    描画_桝_数値();
    描画_自持盤();
    描画_敵持盤();
    描画_盤();
    if (付随_ != nullptr) {
        付随_->描画_所有時間(進行_.番.COM番, 進行_.時間.COM時間);
        付随_->描画_所有時間(進行_.番.MAN番, 進行_.時間.MAN時間);
        if (進行_.番.対局モード == 1) 付随_->描画_レベル(進行_.強さ.レベル);
        if (進行_.強さ.ハンデ設定済 == 1) 付随_->描画_ハンデレベル(進行_.強さ.ハンデレベル);
    }
    描画_絵(1, 10.8, 0);
}

// Tiles every cell outside the board, far enough for a maximised window.
void 表示::描画_背景(int n) {
    for (int x = -3; x <= 28; ++x)
        for (int y = -2; y <= 17; ++y)
            if (x < 1 || x > 9 || y < 1 || y > 9) 描画_絵(n, x, y);
}

void 表示::描画_桝_数値() {
    画面_.太字(true);
    for (int i = 1; i <= 9; ++i) {
        背景(i, 0);
        描画_数値(i + 0.2, 0.5, 10 - i, 色_黒, 0, 16);
        描画_数値(i + 0.1, 0.4, 10 - i, 色_黄, 0, 16);
        背景(10, i);
        描画_数値(10.2, i + 0.4, i, 色_黒, 1, 12);
        描画_数値(10.1, i + 0.3, i, 色_黄, 1, 12);
    }
    描画_自持盤();
}

// The move number beside "手目"; the start moves left by 0.1 cell per extra digit.
void 表示::描画_手数(int n, int colour) {
    背景(13, 3);
    背景(14, 3);
    描画_桝輪郭(色_黒, 自持駒列, 自持駒の行(持駒_歩));
    const double x = n < 10 ? 13.2 : n < 100 ? 13.1 : 13.0;
    描画_数値(x + 0.1, 3.4, n, 色_黒, 0, 12);
    描画_数値(x, 3.3, n, colour, 0, 12);
    描画_文字列(13.9, 3.2, 文字列_手目, 色_黒, 10);
    描画_文字列(13.8, 3.1, 文字列_手目, colour, 10);
}

// The area left of the board shared by the computer's "思考中" notice and its last move.
void 表示::消去_思考中() {
    背景(-2, 8);
    背景(-1, 8);
    背景(0, 8);
    描画_桝輪郭(色_黒, 敵持駒列, 敵持駒の行(持駒_歩));
    描画_桝輪郭(色_黒, 1, 8);
}

void 表示::描画_棋譜読込み部分消去() {
    描画_桝_数値();
    // The whole band below the board, as far as the background reaches: a long title starts
    // left of the top hand's column and a long name runs on past the board.
    for (int x = -2; x <= 0; ++x) 背景(x, 10);
    for (int x = 10; x <= 28; ++x) 背景(x, 10);
    for (int i = 1; i <= 9; ++i) {
        背景(i, 10);
        描画_桝輪郭(色_黒, i, 9);
    }
    // The band's tiles cover the lower edge of the bottom hand's rook slot.
    描画_桝輪郭(色_黒, 自持駒列, 自持駒の行(持駒_飛));
}

void 表示::描画_ハンデレベル(int n) {
    if (付随_ != nullptr) 付随_->描画_ハンデレベル(n);
}

}  // namespace yukora
