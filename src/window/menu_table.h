// The menu bar: every item with its control name, caption and place.
#pragma once
#include <optional>
#include <span>

#include "flow/menu_port.h"

namespace yukora::window {

struct メニュー項目 {
    メニュー操作 control;
    const char* caption;
    std::optional<メニュー操作> parent;  // the menu it sits in; none on the menu bar
    bool submenu;                        // only opens its children
    bool checkable;
    bool checked;  // at start
};

std::span<const メニュー項目> メニュー表();

}  // namespace yukora::window
