#include "engine/line_splitter.h"

namespace yukora {

void 行の切り分け::入れる(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t nl = bytes.find('\n');
        const std::string_view part = bytes.substr(0, nl);
        if (!飛ばす_ && part.size() > 上限_ - 途中_.size()) {
            飛ばす_ = true;
            std::string().swap(途中_);
            出来た_.push_back({true, {}});
        }
        if (!飛ばす_) 途中_ += part;
        if (nl == std::string_view::npos) return;
        if (!飛ばす_) 出来た_.push_back({false, std::move(途中_)});
        途中_ = std::string();
        飛ばす_ = false;
        bytes.remove_prefix(nl + 1);
    }
}

void 行の切り分け::終わる() {
    if (!途中_.empty()) 出来た_.push_back({false, std::move(途中_)});
    途中_ = std::string();
    飛ばす_ = false;
}

bool 行の切り分け::取り出す(出力行& line) {
    if (出来た_.empty()) return false;
    line = std::move(出来た_.front());
    出来た_.pop_front();
    return true;
}

}  // namespace yukora
