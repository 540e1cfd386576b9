#include "usi/candidates.h"

#include <algorithm>

#include "computer/material_estimate.h"
#include "computer/side_search.h"
#include "usi/think.h"

namespace yukora {
namespace {

class 集め : public 候補の受け {
public:
    集め(const USI局面& pos, std::vector<候補手>& 手) : pos_(pos), 手_(手) {}
    void 候補(const COM指し手& 手) override {
        手_.push_back(
            {USIの指し手に(手), 手.点十倍, 指した後の駒割り(pos_.p, pos_.手番 == 先手, 手)});
    }

private:
    const USI局面& pos_;
    std::vector<候補手>& 手_;
};

}  // namespace

候補一覧 全候補(const USI局面& pos, int レベル) {
    候補一覧 結果;
    集め 受け(pos, 結果.手);
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
