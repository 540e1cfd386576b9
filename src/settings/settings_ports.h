// What the settings need from the display and the sound side.
#pragma once

namespace yukora {

// Tiles every cell outside the board with background picture n.
class 背景描画 {
public:
    virtual ~背景描画() = default;
    virtual void 描画_背景(int n) = 0;
};

// The background music.
class BGM演奏 {
public:
    virtual ~BGM演奏() = default;
    virtual void ループ再生() = 0;
    virtual void 停止() = 0;
};

}  // namespace yukora
