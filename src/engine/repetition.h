// 千日手: the same position with the same side to move and the same hands for the fourth
// time. A draw, unless one side gave check with every one of its moves since the position
// first stood there: that side loses.
#pragma once
#include <cstdint>
#include <vector>

#include "game/position.h"

namespace yukora {

enum class 千日手判定 {
    なし,
    千日手,          // a draw
    連続王手,        // the side that just moved checked all along and loses
    連続王手された,  // the side to move checked all along and loses
};

class 千日手の記録 {
public:
    // The position after a move (or the start, with 王手 false), the side to move then, and
    // whether the move that led to it gave check.
    千日手判定 加える(const 局面& p, int 手番, bool 王手);
    // Keeps the first n positions (stepping back).
    void 戻す(std::size_t n) {
        if (n < 記録_.size()) 記録_.resize(n);
    }
    std::size_t 数() const { return 記録_.size(); }

private:
    struct 項目 {
        std::uint64_t 鍵;
        盤型 盤;
        持駒型 下, 上;
        int 手番;
        bool 王手;
    };
    std::vector<項目> 記録_;
};

}  // namespace yukora
