// What the settings need from the sound side.
#pragma once
#include "game/board_view.h"  // 背景描画

namespace yukora {

// The background music.
class BGM演奏 {
public:
    virtual ~BGM演奏() = default;
    virtual void ループ再生() = 0;
    virtual void 停止() = 0;
};

// The window's zoom: everything drawn grows or shrinks with it.
class 表示倍率の窓 {
public:
    virtual ~表示倍率の窓() = default;
    // A zoom of 表示倍率一覧 in percent, or 表示倍率_合わせる.
    virtual void 表示倍率設定(int 倍率) = 0;
    // The zoom to start with when there is no settings file yet: 100 %, or on a screen that
    // the 100 % window would leave mostly empty, the largest listed zoom that fits it.
    virtual int 初回の表示倍率() const = 0;
    // `倍率` when the window at it fits on the screen, else the largest listed zoom that does;
    // fitting the window stays as it is.
    virtual int 収まる倍率(int 倍率) const { return 倍率; }
};

}  // namespace yukora
