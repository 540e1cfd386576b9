#include "formats/record_model.h"

#include <algorithm>

namespace yukora {

std::string 見出しの値(const 対局記録& r, std::string_view 名前) {
    for (const 見出し項目& h : r.見出し)
        if (h.名前 == 名前) return h.値;
    return {};
}

void 見出しを置く(対局記録& r, std::string_view 名前, std::string 値) {
    auto same = [&](const 見出し項目& h) { return h.名前 == 名前; };
    if (値.empty()) {
        std::erase_if(r.見出し, same);
        return;
    }
    const auto it = std::find_if(r.見出し.begin(), r.見出し.end(), same);
    if (it != r.見出し.end()) it->値 = std::move(値);
    else r.見出し.push_back({std::string(名前), std::move(値)});
}

std::string 先手の名前(const 対局記録& r) {
    std::string s = 見出しの値(r, "先手");
    return s.empty() ? 見出しの値(r, "下手") : s;
}

std::string 後手の名前(const 対局記録& r) {
    std::string s = 見出しの値(r, "後手");
    return s.empty() ? 見出しの値(r, "上手") : s;
}

std::string_view 先手の見出し名(bool 駒落ち) { return 駒落ち ? "下手" : "先手"; }
std::string_view 後手の見出し名(bool 駒落ち) { return 駒落ち ? "上手" : "後手"; }

}  // namespace yukora
