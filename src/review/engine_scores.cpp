#include "review/engine_scores.h"

#include "engine/usi_view.h"
#include "review/listed_positions.h"

namespace yukora {

std::vector<手番付き局面> 解析する局面(const 手順リスト& list, const 局面& 今, const 進行状態& s,
                                       int 下の側) {
    const int 最後 = 最後の局面(s.数);
    const int 今の手番 = s.番.手番 != 0 ? s.番.手番 : 先手;
    std::vector<手番付き局面> out;
    out.reserve(static_cast<size_t>(最後) + 1);
    for (int i = 0; i <= 最後; ++i) {
        const int 手番 = (s.数.手順番号 - i) % 2 == 0 ? 今の手番 : -今の手番;
        out.push_back(USIから見た局面(手の後の局面(list, 今, s.数, i), 下の側 == 先手, 手番));
    }
    return out;
}

形勢点 エンジンの形勢点(int 手数, const 手番付き局面& pos, int 下の側,
                        const std::optional<評価値>& score) {
    if (!score) {
        形勢点 none = 形勢点にする(手数, 0, false);
        none.有り = false;
        return none;
    }
    const bool 下の番 = pos.手番 == 下の側;
    if (score->詰み) return 形勢点にする(手数, score->勝ち == 下の番 ? 1 : -1, true);
    return 形勢点にする(手数, 下の番 ? score->値 : -score->値, false);
}

}  // namespace yukora
