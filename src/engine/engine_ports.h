// What the window lends the engine games: new engine processes, a clock in milliseconds, a
// periodic tick, and the dialog that registers engines.
#pragma once
#include <functional>
#include <memory>

#include "engine/process_port.h"
#include "game/clock_port.h"

namespace yukora {

// The "ｴﾝｼﾞﾝ設定" dialog: engines registered and the game's settings edited in the
// engines.ini of `folder`.
class エンジン設定窓 {
public:
    virtual ~エンジン設定窓() = default;
    virtual void 開く(const std::string& folder) = 0;
};

struct エンジンの窓口 {
    std::function<std::unique_ptr<エンジンプロセス>()> 作る;
    経過時計& 時計;
    タイマー& 刻み;  // calls ゲーム::エンジン時刻 every 100 ms while on
    エンジン設定窓* 設定窓 = nullptr;
};

inline constexpr int 刻みの間隔ms = 100;

}  // namespace yukora
