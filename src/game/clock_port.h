// The time of day and the busy wait.
#pragma once

namespace yukora {

// Seconds from one time of day to another; a day change at midnight is allowed for.
float 調査_経過秒(float start, float now);

class 時計 {
public:
    virtual ~時計() = default;
    // Seconds since midnight, single precision.
    virtual float 現在秒() = 0;
    // Lets the window show what has been drawn so far, without handling input.
    virtual void 表示更新() = 0;

    // Waits `seconds` on the time of day, showing the window but handling no input. A wait
    // across midnight also ends after `seconds`.
    void 待ち時間(float seconds) {
        const float start = 現在秒();
        while (調査_経過秒(start, 現在秒()) < seconds) {
            表示更新();
            休む();
        }
    }

protected:
    // Between two polls of the busy wait; a real clock gives the processor a moment.
    virtual void 休む() {}
};

}  // namespace yukora
