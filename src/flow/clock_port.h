// The time of day and the busy wait.
#pragma once

namespace yukora {

class 時計 {
public:
    virtual ~時計() = default;
    // Seconds since midnight, single precision.
    virtual float 現在秒() = 0;
    // Lets the window show what has been drawn so far, without handling input.
    virtual void 表示更新() = 0;
};

}  // namespace yukora
