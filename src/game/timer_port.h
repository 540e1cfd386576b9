// The periodic timer Timer1 (50 ms): the flow only switches it on and off.
#pragma once

namespace yukora {

class タイマー {
public:
    virtual ~タイマー() = default;
    virtual void 有効設定(bool on) = 0;
    virtual bool 有効() const = 0;
};

}  // namespace yukora
