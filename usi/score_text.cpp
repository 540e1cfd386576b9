#include "usi/score_text.h"

#include <cstdlib>

namespace yukora {

std::string 十分の一表記(int 十倍) {
    const int a = std::abs(十倍);
    return (十倍 < 0 ? "-" : "") + std::to_string(a / 10) + "." + std::to_string(a % 10);
}

int 整数に丸める(int 十倍) {
    const int a = (std::abs(十倍) + 5) / 10;
    return 十倍 < 0 ? -a : a;
}

}  // namespace yukora
