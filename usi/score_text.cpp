#include "usi/score_text.h"

#include <cstdlib>

#include "computer/com_state.h"

namespace yukora {

std::string 十分の一表記(int 十倍) {
    const int a = std::abs(十倍);
    return (十倍 < 0 ? "-" : "") + std::to_string(a / 10) + "." + std::to_string(a % 10);
}

std::string USI評価値(int 十倍, int 駒割り) {
    if (十倍 >= 詰め点) return "mate 1";
    if (十倍 <= -詰め点) return "mate -1";
    return "cp " + std::to_string(駒割り * 10);
}

}  // namespace yukora
