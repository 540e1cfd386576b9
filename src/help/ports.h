// The system web browser and the version dialog (Form2).
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

class 版情報窓 {
public:
    virtual ~版情報窓() = default;
    // Shows the dialog until it is closed; true when it was closed with "ホームページ".
    virtual bool 表示() = 0;
};

}  // namespace yukora
