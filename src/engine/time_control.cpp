#include "engine/time_control.h"

#include <algorithm>

namespace yukora {
namespace {

constexpr ミリ秒 秒 = 1000;

ミリ秒 切り上げ秒(ミリ秒 ms) { return (ms + 秒 - 1) / 秒; }

std::string 二桁(ミリ秒 n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

対局時計::対局時計(const 持ち時間設定& s) : 設定_(s) {
    ミリ秒 start = ミリ秒{s.持ち時間分} * 60 * 秒;
    if (s.加算秒 > 0) start += ミリ秒{s.加算秒} * 秒;
    先手残り_ = 後手残り_ = start;
}

void 対局時計::手番開始(int side, ミリ秒 now) {
    手番_ = side;
    開始_ = now;
    動いている_ = true;
}

ミリ秒 対局時計::使える時間() const {
    const ミリ秒 main = 持ち(手番_);
    return 設定_.加算秒 > 0 ? main : main + ミリ秒{設定_.秒読み秒} * 秒;
}

bool 対局時計::手を終える(ミリ秒 now) {
    if (!動いている_) return true;
    const ミリ秒 used = 経過(now);
    const bool 間に合った = used <= 使える時間();
    ミリ秒& main = 持ち(手番_);
    main = std::max<ミリ秒>(0, main - used);
    if (設定_.加算秒 > 0 && 間に合った) main += ミリ秒{設定_.加算秒} * 秒;
    if (!間に合った) 切れた側_ = 手番_;
    動いている_ = false;
    return 間に合った;
}

ミリ秒 対局時計::残り(int side, ミリ秒 now) const {
    const ミリ秒 main = 持ち(side);
    if (!動いている_ || side != 手番_) return main;
    return std::max<ミリ秒>(0, main - 経過(now));
}

ミリ秒 対局時計::秒読み残り(int side, ミリ秒 now) const {
    if (設定_.加算秒 > 0 || 設定_.秒読み秒 <= 0) return -1;
    if (side == 切れた側_) return 0;
    const ミリ秒 full = ミリ秒{設定_.秒読み秒} * 秒;
    const ミリ秒 over = (動いている_ && side == 手番_ ? 経過(now) : 0) - 持ち(side);
    if (over < 0 || (over == 0 && 持ち(side) > 0)) return -1;
    return std::max<ミリ秒>(0, full - over);
}

std::string 対局時計::go命令() const {
    std::string s = "go btime " + std::to_string(先手残り_) + " wtime " + std::to_string(後手残り_);
    if (設定_.加算秒 > 0) {
        const std::string inc = std::to_string(ミリ秒{設定_.加算秒} * 秒);
        return s + " binc " + inc + " winc " + inc;
    }
    return s + " byoyomi " + std::to_string(ミリ秒{設定_.秒読み秒} * 秒);
}

std::string 時計の文字(ミリ秒 残り, ミリ秒 秒読み残り) {
    if (秒読み残り >= 0 && 残り <= 0) return "秒読み " + std::to_string(切り上げ秒(秒読み残り));
    const ミリ秒 s = 切り上げ秒(残り);
    if (s >= 3600) return std::to_string(s / 3600) + ":" + 二桁(s / 60 % 60) + ":" + 二桁(s % 60);
    return 二桁(s / 60) + ":" + 二桁(s % 60);
}

}  // namespace yukora
