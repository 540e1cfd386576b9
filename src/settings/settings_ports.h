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

}  // namespace yukora
