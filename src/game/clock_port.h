// The time of day, the busy wait and the periodic timer Timer1.
#pragma once

namespace yukora {

// Seconds from one time of day to another; a day change at midnight is allowed for.
inline float 調査_経過秒(float start, float now) {
    return start <= now ? now - start : now + (86400.0f - start);
}

class 時計 {
public:
    virtual ~時計() = default;
    // Seconds since midnight, single precision.
    virtual float 現在秒() = 0;
    // Lets the window show what has been drawn so far, without handling input.
    virtual void 表示更新() = 0;

    // Waits `seconds` on the time of day, showing the window but handling no input. A wait
    // across midnight also ends after `seconds`. A fake clock may note the wait instead.
    virtual void 待ち時間(float seconds) {
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

// The periodic timer Timer1 (50 ms): the flow only switches it on and off.
class タイマー {
public:
    virtual ~タイマー() = default;
    virtual void 有効設定(bool on) = 0;
    virtual bool 有効() const = 0;
};

}  // namespace yukora
