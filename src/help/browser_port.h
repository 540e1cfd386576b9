// The system web browser.
#pragma once
#include <string>

namespace yukora {

class ブラウザ {
  public:
    virtual ~ブラウザ() = default;
    // Shows the page at `address` (a URL, "file:" for a local page) in a visible browser
    // window; false when no browser could be started.
    virtual bool 表示(const std::string& address) = 0;
};

}  // namespace yukora
