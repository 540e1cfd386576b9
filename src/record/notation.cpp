#include "record/notation.h"

#include <array>

#include "display/display.h"
#include "display/grid.h"
#include "game/palette.h"
#include "game/pieces.h"

namespace yukora {
namespace {

// Grid positions of the three fragments (coloured text; the shadow is 0.1 right and down).
struct 記譜位置 {
    double 筋X, 段X, 駒X, Y;
};
constexpr 記譜位置 上側位置{-1.6, -1.2, -0.6, 8.4};
constexpr 記譜位置 下側位置{12.4, 12.8, 13.4, 2.4};

std::string_view 駒名(int code) {
    switch (code < 0 ? -code : code) {
        case 歩: return "歩";
        case と: return "と";
        case 香: return "香";
        case 香成: return "香成";
        case 桂: return "桂";
        case 桂成: return "桂成";
        case 銀: return "銀";
        case 銀成: return "銀成";
        case 金: return "金";
        case 角: return "角";
        case 角成: return "角成";
        case 飛: return "飛";
        case 飛成: return "飛成";
        case 王: return "王";
        default: return {};
    }
}

void 影付き(表示& view, double x, double y, const std::string& text, int colour) {
    描画_移動駒種類(view, x + 0.1, y + 0.1, text, 色_黒);
    描画_移動駒種類(view, x, y, text, colour);
}

void 記譜を描く(表示& view, const 記譜位置& at, int x, int y, int piece, int colour) {
    影付き(view, at.筋X, at.Y, 文字列変換(10 - x), colour);
    影付き(view, at.段X, at.Y, 文字列変換(y + 1000), colour);
    影付き(view, at.駒X, at.Y, 文字列変換(piece), colour);
}

// Characters, not bytes: every byte that does not continue a UTF-8 sequence starts one.
int 文字数(std::string_view text) {
    int n = 0;
    for (const unsigned char c : text)
        if ((c & 0xC0u) != 0x80u) ++n;
    return n;
}

}  // namespace

std::string 文字列変換(int value) {
    static constexpr std::array<std::string_view, 10> 全角数字{"",   "１", "２", "３", "４",
                                                               "５", "６", "７", "８", "９"};
    if (value >= 1 && value <= 9) return std::string(全角数字[value]);
    if (value >= 1001 && value <= 1009) return std::string(漢数字(value - 1000));
    return std::string(駒名(value));
}

std::string 記譜(int x, int y, int piece) {
    return 文字列変換(10 - x) + 文字列変換(y + 1000) + 文字列変換(piece);
}

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
