// The 81 squares, both hand stands, the blinking piece and the marked destinations.

#include "display/display.h"
#include "game/palette.h"
#include "rules/move_legality.h"

namespace yukora {

void 表示::描画_盤() {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            描画_絵(局面_.盤[x][y], x, y);
            描画_桝輪郭(色_黒, x, y);
        }
}

void 表示::描画_将棋盤桝() {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) 描画_桝輪郭(色_黒, x, y);
}

// Bottom hand: kind k in column 11 on row k + 2, its count right of it in column 12.
void 表示::描画_自持盤() {
    for (int k = 1; k <= 7; ++k) {
        const int r = 自持駒の行(k);
        描画_絵(0, 自持駒列, r);
        背景(12, r);
        描画_桝輪郭(色_黒, 自持駒列, r);
        const int n = 局面_.MAN持駒[k];
        if (n > 0) {
            描画_絵(-持駒の駒(k), 自持駒列, r);
            描画_桝輪郭(色_黒, 自持駒列, r);
            描画_数値(12.1, r + 0.3, n, 色_黒, 0, 14);
            描画_数値(12.0, r + 0.2, n, 色_明赤, 0, 14);
        }
    }
}

// Top hand: kind k in column -1 on row 8 - k, rook on row 1 down to pawn on row 7, counts in
// column 0.
void 表示::描画_敵持盤() {
    for (int r = 1; r <= 7; ++r) {
        const int k = 敵持駒行の種類(r);
        描画_絵(0, 敵持駒列, r);
        背景(0, r);
        描画_桝輪郭(色_黒, 敵持駒列, r);
        const int n = 局面_.COM持駒[k];
        if (n > 0) {
            描画_絵(持駒の駒(k), 敵持駒列, r);
            描画_桝輪郭(色_黒, 敵持駒列, r);
            描画_数値(0.1, r + 0.3, n, 色_黒, 0, 14);
            描画_数値(0.0, r + 0.2, n, 色_明赤, 0, 14);
        }
        // The tile in column 0 overlaps the left edge of the board.
        描画_桝輪郭(色_黒, 1, r);
    }
}

void 表示::描画_駒点滅(int code, int x, int y, int times) {
    for (int i = 0; i < times; ++i) {
        描画_絵(0, x, y);
        描画_桝輪郭(色_黒, x, y);
        画面_.今すぐ表示();
        時計_.待ち時間(0.2f);
        描画_絵(code, x, y);
        描画_桝輪郭(色_黒, x, y);
        画面_.今すぐ表示();
        時計_.待ち時間(0.2f);
    }
}

void 表示::描画_移動可能桝色(int fx, int fy, int colour, int piece, int 移動指導フラグ) {
    描画_将棋盤桝();
    if (移動指導フラグ == 0) return;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (移動チェック(局面_, fx, fy, x, y, piece) == 1) 描画_桝輪郭(colour, x, y);
}

void REVERSE_Click(局面& p, 進行状態& s, 表示& view, ダイアログ& dialog, 効果音& sound) {
    if (s.番.棋譜モード == 1) {
        sound.鳴らす(音::禁止);
        dialog.メッセージ("棋譜ﾓｰﾄﾞではできません", "反転");
        return;
    }
    s.番.反転済 = 1;
    s.選択.選択状態 = 0;
    局面反転(p);
    view.画面_再描画();
    view.描画_手数(s.数.手数);
    if (s.強さ.ハンデ設定済 == 1) {
        s.強さ.ハンデレベル = -s.強さ.ハンデレベル;
        view.描画_ハンデレベル(s.強さ.ハンデレベル);
    }
    sound.鳴らす(音::駒打);
    s.番.手番 = -s.番.手番;
    s.数.手順番号 = 0;
    s.数.手順最終 = 0;
}

}  // namespace yukora
