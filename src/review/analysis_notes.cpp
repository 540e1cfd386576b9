#include "review/analysis_notes.h"

#include <algorithm>

#include "engine/move_judge.h"
#include "engine/thinking_line.h"
#include "review/engine_scores.h"
#include "review/score_graph.h"

namespace yukora {
namespace {

// The mover's score fell by more than `閾値` from `前` to `後`, the points taken for the mover.
bool 答えで崩れたか(const 手番付き局面& 前, const 手番付き局面& 後, const 解析の答え& a,
                    const 解析の答え& b, int 閾値) {
    return 崩れたか(エンジンの形勢点(0, 前, 前.手番, a.評価),
                    エンジンの形勢点(0, 後, 前.手番, b.評価), true, 閾値);
}

std::string 一手の注釈(const 手番付き局面& 前, const 手番付き局面& 後, const 解析の答え& a,
                       const std::string& 名前) {
    if (a.最善手.empty()) return "";
    const 手の判定 j = 手を確かめる(前, a.最善手);
    if (j.理由 != 反則::なし || 同じ配置(j.後.p, 後.p)) return "";
    return std::string(解析の頭) + "最善手 " + (前.手番 == 先手 ? "▲" : "△") +
           読み筋の記譜(前, {a.最善手}, 1) + " 評価値 " + 評価の文字(*a.評価, false) + "（" + 名前 +
           "）";
}

}  // namespace

std::vector<std::string> 解析の注釈(const std::vector<手番付き局面>& 局面,
                                    const std::vector<解析の答え>& 答え, int 閾値,
                                    const std::string& 名前) {
    std::vector<std::string> out;
    const std::size_t n = std::min(局面.size(), 答え.size());
    for (std::size_t i = 1; i < n; ++i) {
        const bool fell = 答えで崩れたか(局面[i - 1], 局面[i], 答え[i - 1], 答え[i], 閾値);
        out.push_back(fell ? 一手の注釈(局面[i - 1], 局面[i], 答え[i - 1], 名前) : "");
    }
    return out;
}

void 解析の注釈を置く(手の列& r, const std::vector<std::string>& lines) {
    const std::size_t n = std::min(r.手.size(), lines.size());
    for (std::size_t i = 0; i < n; ++i) {
        std::vector<std::string>& c = r.手[i].コメント;
        std::erase_if(c, [](const std::string& s) { return s.starts_with(解析の頭); });
        if (!lines[i].empty()) c.push_back(lines[i]);
    }
}

}  // namespace yukora
