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

namespace {

手の列 後ろ(手の列& line, size_t from) {
    手の列 tail{{std::make_move_iterator(line.手.begin() + static_cast<std::ptrdiff_t>(from)),
                 std::make_move_iterator(line.手.end())},
                line.終局,
                line.終局の秒,
                line.終局のコメント};
    line.手.resize(from);
    return tail;
}

// The notes of `from` on the moves `to` shares with it; where `to` leaves it, `from`'s own
// moves from there (and the branches it had there) become branches of `to`'s move, the one
// that goes on as `to` does giving its notes to `to`'s rest.
void 列に写す(const 手の列& from, 手の列& to) {
    const size_t n = static_cast<size_t>(同じ手の数(from, to));
    for (size_t i = 0; i < n; ++i) {
        to.手[i].コメント = from.手[i].コメント;
        to.手[i].栞 = from.手[i].栞;
        to.手[i].変化 = from.手[i].変化;
    }
    if (n == from.手.size() && n == to.手.size()) to.終局のコメント = from.終局のコメント;
    if (n == from.手.size() || n == to.手.size()) return;
    手の列 own = from;
    手の列 left = 後ろ(own, n);
    std::vector<手の列> branches{std::move(left)};
    for (手の列& b : branches.front().手.front().変化) branches.push_back(std::move(b));
    branches.front().手.front().変化.clear();
    手の列 rest = 後ろ(to, n);
    for (auto b = branches.begin(); b != branches.end(); ++b) {
        if (b->手.empty() || !同じ手(b->手.front(), rest.手.front())) continue;
        列に写す(*b, rest);
        branches.erase(b);
        break;
    }
    for (記録の手& m : rest.手) to.手.push_back(std::move(m));
    to.終局のコメント = std::move(rest.終局のコメント);
    std::vector<手の列>& kept = to.手[n].変化;
    kept.insert(kept.end(), std::make_move_iterator(branches.begin()),
                std::make_move_iterator(branches.end()));
}

}  // namespace

void 注釈を写す(const 対局記録& from, 対局記録& to) {
    to.開始のコメント = from.開始のコメント;
    to.開始の栞 = from.開始の栞;
    列に写す(from, to);
}

}  // namespace yukora
