#include "usi/candidates.h"

#include <algorithm>

#include "computer/side_search.h"
#include "usi/think.h"

namespace yukora {
namespace {

class 集め : public 候補の受け {
public:
    explicit 集め(std::vector<候補手>& 手) : 手_(手) {}
    void 候補(const COM指し手& 手) override { 手_.push_back({USIの指し手に(手), 手.点十倍}); }

private:
    std::vector<候補手>& 手_;
};

}  // namespace

候補一覧 全候補(const USI局面& pos, int レベル) {
    候補一覧 結果;
    集め 受け(結果.手);
    結果.評価回数 = 手番側の全候補(pos.p, pos.手番 == 先手, レベル, 受け);
    return 結果;
}

std::vector<候補手> 上位の候補(const std::vector<候補手>& all, int n) {
    std::vector<候補手> best = all;
    std::stable_sort(best.begin(), best.end(),
                     [](const 候補手& a, const 候補手& b) { return a.点十倍 > b.点十倍; });
    if (best.size() > static_cast<std::size_t>(n)) best.resize(static_cast<std::size_t>(n));
    return best;
}

}  // namespace yukora
