// What a long command asks now and then: has anything come in that should end it?
#pragma once

namespace yukora {

enum class 割込み指示 {
    続ける,
    止める,  // "stop": end the command and go on reading
    終える,  // "quit" or a termination signal: end the engine
};

class 割込み {
public:
    virtual ~割込み() = default;
    // Looks at the input without waiting for it.
    virtual 割込み指示 確かめる() = 0;
};

}  // namespace yukora
