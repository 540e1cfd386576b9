#include "review/analysis_lines.h"

namespace yukora {

void 検討の読み::受ける(const 読み筋& info) {
    if (info.multipv < 1 || info.multipv > static_cast<int>(筋_.size())) return;
    読み筋 first = info;
    first.multipv = 1;
    筋_[static_cast<std::size_t>(info.multipv - 1)].受ける(first);
}

void 検討の読み::消す() {
    for (思考の様子& s : 筋_) s = {};
}

std::vector<std::string> 検討の読み::行(const 手番付き局面& pos, int 見る側) const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < 筋_.size(); ++i)
        if (const std::string line = 思考の行(筋_[i], pos, 見る側); !line.empty())
            out.push_back(std::to_string(i + 1) + "  " + line);
    return out;
}

}  // namespace yukora
