#include "display/move_caption.h"

#include "display/display.h"
#include "display/grid.h"
#include "game/move_text.h"
#include "game/palette.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

// Grid positions of the three fragments (coloured text; the shadow is 0.1 right and down).
struct 記譜位置 {
    double 筋X, 段X, 駒X, Y;
};
constexpr 記譜位置 上側位置{-1.6, -1.2, -0.6, 8.4};
constexpr 記譜位置 下側位置{12.4, 12.8, 13.4, 2.4};

void 影付き(表示& view, double x, double y, const std::string& text, int colour) {
    描画_移動駒種類(view, x + 0.1, y + 0.1, text, 色_黒);
    描画_移動駒種類(view, x, y, text, colour);
}

void 記譜を描く(表示& view, const 記譜位置& at, int x, int y, int piece, int colour) {
    影付き(view, at.筋X, at.Y, 文字列変換(10 - x), colour);
    影付き(view, at.段X, at.Y, 文字列変換(y + 1000), colour);
    影付き(view, at.駒X, at.Y, 文字列変換(piece), colour);
}

}  // namespace

void 描画_移動駒種類(表示& view, double x, double y, std::string_view text, int colour) {
    view.描画_数値(x, y, text, colour, 0, 12);
}

void 描画_移動結果(表示& view, const 手番型& 番, int side, int x, int y, int piece, int colour) {
    消去_移動結果(view, 番, side);
    if (side == 番.COM番) {
        記譜を描く(view, 上側位置, x, y, piece, colour);
        // The erased tiles overlap the left edge of the board.
        view.描画_桝輪郭(色_黒, 1, 8);
    } else if (side == 番.MAN番) {
        記譜を描く(view, 下側位置, x, y, piece, colour);
    }
}

void 消去_移動結果(表示& view, const 手番型& 番, int side) {
    if (side == 番.COM番) {
        view.消去_思考中();
    } else if (side == 番.MAN番) {
        for (int c = 12; c <= 14; ++c) view.描画_絵(view.状態.背景画番号, c, 2);
    }
}

double 取得_棋譜のX座標(std::string_view text) {
    return 盤原点X + 桝幅 * (3 + (13 - 文字数(text)) / 5.0);
}

}  // namespace yukora
