// The parts of the full repaint that belong to other subsystems: the players' clocks and the
// strength and handicap captions. The game flow supplies them.
#pragma once

namespace yukora {

class 再描画の付随 {
public:
    virtual ~再描画の付随() = default;
    virtual void 描画_所有時間(int side, float seconds) = 0;
    virtual void 描画_レベル(int n) = 0;
    virtual void 描画_ハンデレベル(int n) = 0;
};

}  // namespace yukora
