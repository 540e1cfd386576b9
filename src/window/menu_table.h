// The menu bar: every item with its control name, caption and place.
#pragma once
#include <span>

namespace yukora::window {

struct メニュー項目 {
    const char* control;
    const char* caption;
    const char* parent;  // control of the menu it sits in; nullptr on the menu bar
    bool submenu;        // only opens its children
    bool checkable;
    bool checked;        // at start
};

std::span<const メニュー項目> メニュー表();

}  // namespace yukora::window
