#include "formats/branch_choice.h"

#include "formats/kif_writer.h"
#include "formats/record_move.h"
#include "textfile/utf8.h"

namespace yukora {
namespace {

std::string 印付きの手(const 記録局面& pos, const 記録の手& m, const 記録の手* 前の手) {
    return (pos.手番 == 先手 ? "▲" : "△") + UTF8へ(KIFの指し手(pos, m, 前の手));
}

}  // namespace

std::vector<std::string> 変化の候補(const 対局記録& r, int N) {
    if (N < 1 || N > static_cast<int>(r.手.size())) return {};
    記録局面 pos = r.開始;
    for (int i = 0; i + 1 < N; ++i) 記録の手を指す(pos, r.手[static_cast<size_t>(i)]);
    const 記録の手* before = N > 1 ? &r.手[static_cast<size_t>(N - 2)] : nullptr;
    const 記録の手& own = r.手[static_cast<size_t>(N - 1)];
    std::vector<std::string> out{印付きの手(pos, own, before)};
    for (const 手の列& branch : own.変化)
        if (!branch.手.empty()) out.push_back(印付きの手(pos, branch.手.front(), before));
    return out;
}

bool 変化を本線に(手の列& line, int N, int k) {
    if (N < 1 || N > static_cast<int>(line.手.size())) return false;
    const auto at = line.手.begin() + (N - 1);
    std::vector<手の列> branches = std::move(at->変化);
    if (k < 1 || k > static_cast<int>(branches.size()) || branches[k - 1].手.empty()) {
        at->変化 = std::move(branches);
        return false;
    }
    手の列 old{{std::make_move_iterator(at), std::make_move_iterator(line.手.end())},
               line.終局,
               line.終局の秒,
               std::move(line.終局のコメント)};
    手の列 chosen = std::move(branches[static_cast<size_t>(k - 1)]);
    branches[static_cast<size_t>(k - 1)] = std::move(old);
    line.手.resize(static_cast<size_t>(N - 1));
    for (記録の手& m : chosen.手) line.手.push_back(std::move(m));
    line.終局 = chosen.終局;
    line.終局の秒 = chosen.終局の秒;
    line.終局のコメント = std::move(chosen.終局のコメント);
    std::vector<手の列>& others = line.手[static_cast<size_t>(N - 1)].変化;
    others.insert(others.begin(), std::make_move_iterator(branches.begin()),
                  std::make_move_iterator(branches.end()));
    return true;
}

}  // namespace yukora
