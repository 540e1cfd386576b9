#include "engine/repetition.h"

namespace yukora {
namespace {

std::uint64_t 混ぜる(std::uint64_t h, const void* data, std::size_t n) {
    const auto* b = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < n; ++i) h = (h ^ b[i]) * 1099511628211ull;
    return h;
}

}  // namespace

千日手判定 千日手の記録::加える(const 局面& p, int 手番, bool 王手) {
    std::uint64_t key = 混ぜる(14695981039346656037ull, &p.盤, sizeof p.盤);
    key = 混ぜる(key, &p.MAN持駒, sizeof p.MAN持駒);
    key = 混ぜる(key, &p.COM持駒, sizeof p.COM持駒);
    key = 混ぜる(key, &手番, sizeof 手番);
    記録_.push_back({key, p.盤, p.MAN持駒, p.COM持駒, 手番, 王手});
    const 項目& now = 記録_.back();
    int 回数 = 0;
    std::size_t first = 0;
    for (std::size_t i = 0; i < 記録_.size(); ++i) {
        const 項目& e = 記録_[i];
        if (e.鍵 != key || e.手番 != 手番 || e.盤 != now.盤 || e.下 != now.下 || e.上 != now.上)
            continue;
        if (回数++ == 0) first = i;
    }
    if (回数 < 4) return 千日手判定::なし;
    // The moves since the first time: entry i was reached by a move of -手番(i).
    bool 指した側は全部王手 = true, 手番側は全部王手 = true;
    for (std::size_t i = first + 1; i < 記録_.size(); ++i) {
        bool& all = 記録_[i].手番 == 手番 ? 指した側は全部王手 : 手番側は全部王手;
        all = all && 記録_[i].王手;
    }
    if (指した側は全部王手) return 千日手判定::連続王手;
    if (手番側は全部王手) return 千日手判定::連続王手された;
    return 千日手判定::千日手;
}

}  // namespace yukora
