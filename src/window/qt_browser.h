// The system web browser through the desktop's URL handler.
#pragma once
#include "help/ports.h"

namespace yukora::window {

class Qtブラウザ final : public ブラウザ {
public:
    bool 表示(const std::string& address) override;
};

}  // namespace yukora::window
