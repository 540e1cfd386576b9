#include "usi/perft_count.h"

#include "rules/perft.h"

namespace yukora {
namespace {

// Input is looked at once every 16 positions that have moves listed (well under a millisecond
// apart even where every drop has to be tried).
class 割込みを見る : public 数え続けるか {
public:
    explicit 割込みを見る(割込み* 割込) : 割込_(割込) {}

    bool 続ける() override {
        if (++呼出_ % 16 == 0) 指示 = 割込_->確かめる();
        return 指示 == 割込み指示::続ける;
    }

    割込み指示 指示 = 割込み指示::続ける;

private:
    割込み* 割込_;
    unsigned 呼出_ = 0;
};

}  // namespace

perft結果 中断できるperft(const 局面& p, int side, int depth, 割込み* 割込) {
    割込みを見る 見る(割込);
    const std::uint64_t n = perft(p, side, depth, 割込 ? &見る : nullptr);
    return {n, 見る.指示};
}

}  // namespace yukora
