// 描画_絵, 描画_桝輪郭, 描画_数値 and 描画_文字列: everything else is built from these.
#include <array>
#include <string>

#include "display/display.h"
#include "display/grid.h"
#include "display/pictures.h"
#include "game/move_text.h"

namespace yukora {

void 表示::描画_絵(int code, double x, double y) {
    const int n = 絵番号(code);
    if (n < 0) return;
    std::int8_t* kept = 輪郭の記録(x, y);
    if (kept != nullptr) *kept = 0;
    // A square of the board carries its influence tint; everything else is drawn as it is.
    const bool 盤の桝 =
        kept != nullptr && 盤上か(static_cast<int>(x), static_cast<int>(y)) && n < 絵_背景;
    const 勢力地色 t = 盤の桝 ? 地色_[static_cast<int>(x)][static_cast<int>(y)] : 勢力地色{};
    if (t.濃さ > 0) 画面_.地色付きの絵(n, 桝のX(x), 桝のY(y), t.色, t.濃さ);
    else 画面_.絵(n, 桝のX(x), 桝のY(y));
    if (盤の桝) 勢力の数を描く(t, x, y);
}

void 表示::描画_桝輪郭(int colour, double x, double y) {
    if (std::int8_t* kept = 輪郭の記録(x, y)) *kept = static_cast<std::int8_t>(colour);
    画面_.輪郭(colour, 桝のX(x), 桝のY(y), 桝のX(x + 1), 桝のY(y + 1));
}

void 表示::描画_数値(double x, double y, int value, int colour, int kanji, int size) {
    if (kanji != 0) {
        const std::string_view text = 漢数字(value);
        if (!text.empty()) 画面_.文字(桝のX(x), 桝のY(y), text, size, colour);
        return;
    }
    画面_.文字(桝のX(x), 桝のY(y), std::to_string(value), size, colour);
}

void 表示::描画_数値(double x, double y, std::string_view text, int colour, int kanji, int size) {
    // A text is no numeral, so with the kanji flag set there is nothing to print.
    if (kanji != 0 || text.empty()) return;
    画面_.文字(桝のX(x), 桝のY(y), text, size, colour);
}

void 表示::描画_文字列(double x, double y, int code, int colour, int size) {
    const std::string_view text = 文字列ラベル(code);
    if (!text.empty()) 画面_.文字(桝のX(x) + 120, 桝のY(y) + 160, text, size, colour);
}

std::string_view 文字列ラベル(int code) {
    static constexpr std::array<std::string_view, 21> ハンデ{
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"};
    if (code >= -10 && code <= 10) return ハンデ[code + 10];
    if (code == 文字列_手目) return "手目";
    return {};
}

}  // namespace yukora
