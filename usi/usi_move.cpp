#include "usi/usi_move.h"

#include "rules/checked_move.h"
#include "rules/usi_notation.h"

namespace yukora {
namespace {

指定の手 指定の手に(const USI指し手& m) { return {m.元X, m.元Y, m.先X, m.先Y, m.打駒種類, m.成り}; }

}  // namespace

bool USI指し手読込(std::string_view text, USI指し手& 結果) {
    指定の手 m;
    if (!USI手を読む(text, m)) return false;
    結果 = {m.元X, m.元Y, m.先X, m.先Y, m.打駒, m.成り};
    return true;
}

std::string USI指し手書込(const USI指し手& m) { return USI手を書く(指定の手に(m)); }

std::string USI指し手を指す(USI局面& pos, const USI指し手& m) {
    return 手番の手を指す(pos, 指定の手に(m));
}

}  // namespace yukora
