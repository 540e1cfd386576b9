#include "formats/record_tree.h"

#include "formats/record_move.h"

namespace yukora {

変化の組み立て::変化の組み立て(対局記録& r) : r_(r) {}

void 変化の組み立て::始める(int 最初の手数) {
    積み_ = {{&r_, 最初の手数, r_.開始, nullptr}};
    局面_ = r_.開始;
}

int 変化の組み立て::次の手数() const {
    const 段& top = 積み_.back();
    return top.始め + static_cast<int>(top.列->手.size());
}

const 記録の手* 変化の組み立て::前の手() const {
    const 段& top = 積み_.back();
    return top.列->手.empty() ? top.前 : &top.列->手.back();
}

std::string 変化の組み立て::手を足す(記録の手 m) {
    if (std::string e = 記録の手を指す(局面_, m); !e.empty()) return e;
    今の列().手.push_back(std::move(m));
    return {};
}

std::vector<std::string>& 変化の組み立て::コメント先() {
    手の列& line = 今の列();
    if (終わった_) return line.終局のコメント;
    if (!line.手.empty()) return line.手.back().コメント;
    // Before a branch's first move: the comments stay with the move the branch leaves from.
    const 記録の手* before = 積み_.back().前;
    if (before != nullptr) return const_cast<記録の手*>(before)->コメント;
    return r_.開始のコメント;
}

std::string& 変化の組み立て::栞先() {
    手の列& line = 今の列();
    if (!line.手.empty()) return line.手.back().栞;
    const 記録の手* before = 積み_.back().前;
    if (before != nullptr) return const_cast<記録の手*>(before)->栞;
    return r_.開始の栞;
}

void 変化の組み立て::終える(終局理由 how, int 秒) {
    今の列().終局 = how;
    今の列().終局の秒 = 秒;
    終わった_ = true;
}

std::string 変化の組み立て::変化を始める(int N) {
    while (積み_.size() > 1 && 積み_.back().始め >= N) 積み_.pop_back();
    段& parent = 積み_.back();
    const int index = N - parent.始め;
    if (index < 0 || index >= static_cast<int>(parent.列->手.size()))
        return "no move " + std::to_string(N) + " for the branch to replace";
    記録局面 pos = parent.始めの局面;
    for (int i = 0; i < index; ++i) 記録の手を指す(pos, parent.列->手[static_cast<size_t>(i)]);
    const 記録の手* before = index > 0 ? &parent.列->手[static_cast<size_t>(index - 1)] : parent.前;
    std::vector<手の列>& branches = parent.列->手[static_cast<size_t>(index)].変化;
    branches.emplace_back();
    積み_.push_back({&branches.back(), N, pos, before});
    局面_ = pos;
    終わった_ = false;
    return {};
}

}  // namespace yukora
