// 描画_絵, 描画_桝輪郭, 描画_数値 and 描画_文字列: everything else is built from these.
#include <string>

#include "display/display.h"
#include "display/grid.h"
#include "display/labels.h"
#include "display/pictures.h"

namespace yukora {

void 表示::描画_絵(int code, double x, double y) {
    const int n = 絵番号(code);
    if (n >= 0) 画面_.絵(n, 桝のX(x), 桝のY(y));
}

void 表示::描画_桝輪郭(int colour, double x, double y) {
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

}  // namespace yukora
