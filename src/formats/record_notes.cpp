#include "formats/record_notes.h"

#include <algorithm>

namespace yukora {
namespace {

bool 同じ手(const 記録の手& a, const 記録の手& b) {
    return a.元X == b.元X && a.元Y == b.元Y && a.先X == b.先X && a.先Y == b.先Y &&
           a.打駒 == b.打駒 && a.成り == b.成り;
}

}  // namespace

int 同じ手の数(const 手の列& a, const 手の列& b) {
    const size_t n = std::min(a.手.size(), b.手.size());
    size_t i = 0;
    while (i < n && 同じ手(a.手[i], b.手[i])) ++i;
    return static_cast<int>(i);
}

void 注釈を写す(const 対局記録& from, 対局記録& to) {
    to.開始のコメント = from.開始のコメント;
    to.開始の栞 = from.開始の栞;
    const int n = 同じ手の数(from, to);
    for (size_t i = 0; i < static_cast<size_t>(n); ++i) {
        to.手[i].コメント = from.手[i].コメント;
        to.手[i].栞 = from.手[i].栞;
        to.手[i].変化 = from.手[i].変化;
    }
    if (n == static_cast<int>(from.手.size()) && n == static_cast<int>(to.手.size()))
        to.終局のコメント = from.終局のコメント;
}

}  // namespace yukora
