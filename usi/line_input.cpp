#include "usi/line_input.h"

namespace yukora {

void 行の組立::入れる(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t nl = bytes.find('\n');
        const std::string_view part = bytes.substr(0, nl);
        if (!長すぎる_ && part.size() > 最大長_ - 途中_.size()) {
            長すぎる_ = true;
            std::string().swap(途中_);  // give the memory back at once
        }
        if (!長すぎる_) 途中_ += part;
        if (nl == std::string_view::npos) return;
        行を終える();
        bytes.remove_prefix(nl + 1);
    }
}

void 行の組立::終わる() {
    if (!途中_.empty() || 長すぎる_) 行を終える();
}

bool 行の組立::取り出す(入力行& line) {
    if (出来た_.empty()) return false;
    line = std::move(出来た_.front());
    出来た_.pop_front();
    待ち量_ -= line.text.size();
    return true;
}

void 行の組立::行を終える() {
    待ち量_ += 途中_.size();
    出来た_.push_back({長すぎる_, std::move(途中_)});
    途中_ = std::string();
    長すぎる_ = false;
}

}  // namespace yukora
