#include "review/move_words.h"

#include "formats/kif_notation.h"
#include "formats/record_move.h"
#include "textfile/utf8.h"

namespace yukora {
namespace {

std::u32string 桁(int n) { return n >= 1 && n <= 9 ? std::u32string(1, U'0' + n) : U"?"; }

}  // namespace

std::string 指し手の言葉(const 局面& 前, const 局面& 後, const 記録の手* 前の手, 記録の手& m,
                         bool& 下) {
    下 = 手を探す({前, 先手}, 後, m);
    if (!下 && !手を探す({前, 後手}, 後, m)) {
        m = {};
        return "";
    }
    std::u32string s;
    if (前の手 != nullptr && 前の手->先X == m.先X && 前の手->先Y == m.先Y) s += U"同　";
    else s += 筋の文字(10 - m.先X) + 漢数字(m.先Y);
    s += 指し手の駒名(動かす駒({前, 下 ? 先手 : 後手}, m));
    if (m.成り) s += U"成";
    if (m.打駒 != 0) s += U"打";
    else s += U"(" + 桁(10 - m.元X) + 桁(m.元Y) + U")";
    return UTF8へ(s);
}

}  // namespace yukora
