// 棋譜解析's comments: which moves get the engine's better move, and a new analysis in place
// of the old one.
#include "review/analysis_notes.h"

#include <gtest/gtest.h>

#include "engine/move_judge.h"
#include "rules/sfen.h"

namespace yukora {
namespace {

解析の答え cp(long long v, std::string move = "") { return {評価値{false, true, v}, move}; }

TEST(解析の注釈, 崩れた手に別の最善手だけを書く) {
    std::vector<手番付き局面> ps{平手局面()};
    for (const char* m : {"7g7f", "3c3d", "2g2f"}) ps.push_back(手を確かめる(ps.back(), m).後);
    const 解析の答え mate{評価値{true, true, 3}, "2g2f"}, none{};
    const struct {
        const char* 名;
        std::vector<解析の答え> 答え;
        std::vector<std::string> 注釈;
    } 場合[] = {
        {"▲が600落ちた", {cp(100, "2g2f"), cp(500)}, {"解析：最善手 ▲２六歩 評価値 +100（E）"}},
        {"指した手が最善", {cp(100, "7g7f"), cp(500)}, {""}},
        {"300までは印なし", {cp(100, "2g2f"), cp(200)}, {""}},
        {"△の手", {cp(0), cp(-50, "8c8d"), cp(400)}, {"", "解析：最善手 △８四歩 評価値 -50（E）"}},
        {"詰みを逃した", {mate, cp(0)}, {"解析：最善手 ▲２六歩 評価値 詰み 3手（E）"}},
        {"評価が無い", {none, cp(900)}, {""}},
        {"答え待ち", {cp(100, "2g2f")}, {}},
    };
    for (const auto& c : 場合) EXPECT_EQ(解析の注釈(ps, c.答え, 300, "E"), c.注釈) << c.名;
}

TEST(解析の注釈, 前の解析の行だけを置き換える) {
    手の列 r;
    r.手.resize(2);
    r.手[0].コメント = {"人の言葉", "解析：古い"};
    r.手[1].コメント = {"解析：古い"};
    解析の注釈を置く(r, {"解析：新しい", "", "解析：手の無いところ"});
    EXPECT_EQ(r.手[0].コメント, (std::vector<std::string>{"人の言葉", "解析：新しい"}));
    EXPECT_TRUE(r.手[1].コメント.empty());
}

}  // namespace
}  // namespace yukora
