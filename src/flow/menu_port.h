// The check marks of the menu bar, addressed by the items' control names ("LEVEL3", "SIDOU").
#pragma once
#include <string_view>

namespace yukora {

class メニュー {
public:
    virtual ~メニュー() = default;
    virtual void 印設定(std::string_view control, bool checked) = 0;
    virtual bool 印あり(std::string_view control) const = 0;
};

}  // namespace yukora
