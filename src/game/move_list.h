// The move list: one snapshot of board, hands and clocks per entry, entry 0 = the start.
#pragma once
#include <vector>

#include "game/position.h"
#include "game/state.h"

namespace yukora {

struct 手順記録 {
    盤型 盤{};
    持駒型 MAN持駒{};
    持駒型 COM持駒{};
    float MAN時間前 = 0, MAN時間後 = 0, COM時間前 = 0, COM時間後 = 0;
};

// Grows as the game goes on, so a game or a record of any length fits.
class 手順リスト {
public:
    手順リスト() : 記録_(501) {}
    // The entry i, created (empty) when the list is not yet that long.
    手順記録& 項目(int i);
    // The entry i, or an empty one when i lies beyond the list.
    const 手順記録& 参照(int i) const;
    int 容量() const { return static_cast<int>(記録_.size()); }

private:
    std::vector<手順記録> 記録_;
};

// Stores the position before the move into entry 数.手順番号 and makes it the last entry.
void 手順保存(手順リスト& list, const 局面& p, 手数型& 数, float MAN前, float MAN後, float COM前,
              float COM後);

struct 移動結果 {
    bool 見つかった = false;
    int x = 0, y = 0, 駒 = 0;
};

// The square on which move n ended: the first square (x outer, y inner) that changed
// between entries n-1 and n and is not empty in entry n.
移動結果 調査_移動結果(const 手順リスト& list, int n);

// Total pieces in the hand of `side` (MAN番 or COM番); 0 for any other value.
int 調査_持駒数(const 局面& p, const 手番型& 番, int side);

}  // namespace yukora
