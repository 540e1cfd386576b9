// 棋譜解析's comments: which moves get the engine's better move, in place of an earlier
// analysis's line and beside the person's own.
#include "review/analysis_notes.h"

#include <gtest/gtest.h>

#include "engine/move_judge.h"
#include "rules/sfen.h"

namespace yukora {
namespace {

解析の答え cp(long long v, std::string move = "") { return {評価値{false, true, v}, move}; }

std::string 行(const 記録の手& m) {
    std::string s;
    for (const std::string& line : m.コメント) s += (s.empty() ? "" : "/") + line;
    return s;
}

TEST(解析の注釈, 崩れた手に別の最善手だけを書き前の行と入れ替える) {
    std::vector<手番付き局面> ps{平手局面()};
    for (const char* m : {"7g7f", "3c3d", "2g2f"}) ps.push_back(手を確かめる(ps.back(), m).後);
    // The comments of moves 1 and 2 after it, one "/" between lines, "|" between the moves.
    const struct {
        const char* 名;
        std::vector<解析の答え> 答え;
        std::string 注釈;
    } 場合[] = {
        {"▲が落ちた", {cp(100, "2g2f"), cp(500)}, "人/解析：最善手 ▲２六歩 評価値 +100（E）|"},
        {"指した手が最善", {cp(100, "7g7f"), cp(500)}, "人|"},
        {"300までは印なし", {cp(100, "2g2f"), cp(200)}, "人|"},
        {"△の手", {cp(0), cp(-50, "8c8d"), cp(400)}, "人|解析：最善手 △８四歩 評価値 -50（E）"},
        {"詰みを逃した",
         {{評価値{true, true, 3}, "2g2f"}, cp(0)},
         "人/解析：最善手 ▲２六歩 評価値 詰み 3手（E）|"},
        {"答え待ち", {cp(100, "2g2f")}, "人/解析：古い|"},
    };
    for (const auto& c : 場合) {
        手の列 r;
        r.手.resize(3);
        r.手[0].コメント = {"人", "解析：古い"};
        解析の注釈を置く(r, 解析の注釈(ps, c.答え, 300, "E"));
        EXPECT_EQ(行(r.手[0]) + "|" + 行(r.手[1]), c.注釈) << c.名;
    }
}

}  // namespace
}  // namespace yukora
