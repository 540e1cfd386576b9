// The version dialog (Form2), shown modally.
#pragma once

namespace yukora {

class 版情報窓 {
public:
    virtual ~版情報窓() = default;
    // Shows the dialog until it is closed; true when it was closed with "ホームページ".
    virtual bool 表示() = 0;
};

}  // namespace yukora
