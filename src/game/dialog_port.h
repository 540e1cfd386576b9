// Modal message boxes.
#pragma once
#include <string>

namespace yukora {

class ダイアログ {
public:
    virtual ~ダイアログ() = default;
    // A modal box with one OK button.
    virtual void メッセージ(const std::string& text, const std::string& title) = 0;
    // A modal box with the warning icon and one OK button.
    virtual void 警告(const std::string& text, const std::string& title) {
        メッセージ(text, title);
    }
    // A modal Yes/No question; true for Yes.
    virtual bool 質問(const std::string& text, const std::string& title) = 0;
};

}  // namespace yukora
