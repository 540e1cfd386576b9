#include "game/move_text.h"

#include <array>

#include "game/pieces.h"

namespace yukora {
namespace {

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

}  // namespace

std::string_view 漢数字(int n) {
    static constexpr std::array<std::string_view, 10> 数字{"",   "一", "二", "三", "四",
                                                           "五", "六", "七", "八", "九"};
    return n >= 1 && n <= 9 ? 数字[n] : std::string_view{};
}

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

}  // namespace yukora
