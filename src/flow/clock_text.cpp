#include "flow/clock_text.h"

namespace yukora {

std::string 変換_数字から文字(long n) {
    std::string text = std::to_string(n);
    if (text.size() == 1) return "0" + text;
    if (text.size() == 2) return text;
    return "";
}

std::string 調査_時間秒追加結果(float seconds) {
    long hours = 0;
    if (seconds >= 3600) {
        hours = static_cast<long>(seconds / 3600);
        seconds -= 3600.0f * static_cast<float>(hours);
    }
    const long minutes = static_cast<long>(seconds / 60);
    seconds -= 60.0f * static_cast<float>(minutes);
    return 変換_数字から文字(hours) + ":" + 変換_数字から文字(minutes) + ":" +
           変換_数字から文字(static_cast<long>(seconds));
}

}  // namespace yukora
