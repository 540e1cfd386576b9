// What ends an engine game in the core: a move the rules refuse, the entering-king declaration,
// 千日手 and perpetual check.
#include <gtest/gtest.h>

#include "engine/declaration.h"
#include "engine/move_judge.h"
#include "engine/repetition.h"
#include "rules/sfen.h"

namespace yukora {
namespace {

手番付き局面 読む(const std::string& sfen) {
    const std::size_t a = sfen.find(' '), b = sfen.find(' ', a + 1);
    手番付き局面 pos;
    EXPECT_EQ(SFEN読込(sfen.substr(0, a), sfen.substr(a + 1, b - a - 1), sfen.substr(b + 1), pos),
              "")
        << sfen;
    return pos;
}

// "win" asks for the declaration; any other text is a move.
std::string 判定(const std::string& sfen, const std::string& answer) {
    const 手番付き局面 pos = 読む(sfen);
    if (answer == "win") return 入玉宣言できるか(pos) ? "宣言勝ち" : "宣言負け";
    const 手の判定 j = 手を確かめる(pos, answer);
    if (j.理由 != 反則::なし) return 反則の説明(j.理由);
    return j.王手 ? "王手" : "指せる";
}

TEST(エンジン対局の終わり, 反則と入玉宣言を見分ける) {
    constexpr const char* 平手 = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -";
    constexpr const char* 釘付け = "4r3k/9/9/9/9/9/9/4G4/4K4 b -";
    constexpr const char* 歩で詰む = "8k/6S2/7G1/9/9/9/9/9/4K4 b P";
    constexpr const char* 歩で王手 = "8k/9/7G1/9/9/9/9/9/4K4 b P";
    constexpr const char* 入玉 = "GGGG1SSSS/4K4/PP7/9/9/9/9/9/4k4 b 2R2B";
    const std::tuple<const char*, const char*, const char*> 表[] = {
        {平手, "7g7f", "指せる"},
        {平手, "7g7e", "指せない手です"},
        {平手, "7g7f+", "指せない手です"},
        {平手, "P*5e", "指せない手です"},
        {平手, "7g7f!", "読めない手です"},
        {釘付け, "5h4h", "王手を放置する手です"},
        {釘付け, "5h5g", "指せる"},
        {歩で詰む, "P*1b", "打ち歩詰めです"},
        {歩で王手, "P*1b", "王手"},
        {入玉, "win", "宣言勝ち"},
        {"GGGG1SSSS/4K4/PP7/9/9/9/9/9/4k4 b 2RB", "win", "宣言負け"},
        {"GGGG1SSS1/4K4/PP7/9/9/9/9/9/4k4 b 2R2B", "win", "宣言負け"},
        {"GGGG1SSSS/4K4/PPPP1PPPP/9/4r4/9/9/9/4k4 b R2B", "win", "宣言負け"},
        {"GGGG1SSSS/9/PP7/4K4/9/9/9/9/4k4 b 2R2B", "win", "宣言負け"},
        {"4K4/9/9/9/9/9/pp7/4k4/gggg1ssss w 2rb2p", "win", "宣言勝ち"},
        {"4K4/9/9/9/9/9/pp7/4k4/gggg1ssss w 2rbp", "win", "宣言負け"},
        {平手, "win", "宣言負け"},
    };
    for (const auto& [sfen, answer, expected] : 表)
        EXPECT_EQ(判定(sfen, answer), expected) << sfen << " " << answer;
}

// Four positions in a cycle, A with 先手 to move; the moves into B and D are 先手's.
struct 千日手の場合 {
    const char* 名;
    bool 先手が王手, 後手が王手;
    千日手判定 四度目;
};

TEST(エンジン対局の終わり, 同じ局面の四度目で千日手か連続王手の負け) {
    局面 q[4];
    for (int i = 0; i < 4; ++i) {
        q[i] = 読む("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -").p;
        q[i].盤[5][5] = static_cast<駒型>(i == 0 ? 0 : i == 2 ? -金 : 金);
        if (i == 3) q[i].盤[5][4] = -歩;
    }
    const 千日手の場合 表[] = {
        {"王手なし", false, false, 千日手判定::千日手},
        {"先手が王手し続けた: 手番の先手の負け", true, false, 千日手判定::連続王手された},
        {"後手が王手し続けた: 指した後手の負け", false, true, 千日手判定::連続王手},
    };
    for (const 千日手の場合& c : 表) {
        千日手の記録 r;
        std::vector<千日手判定> got;
        for (int n = 0; n <= 12; ++n) {
            const bool 先手の手 = n % 2 == 1;
            const bool check = n > 0 && (先手の手 ? c.先手が王手 : c.後手が王手);
            got.push_back(r.加える(q[n % 4], n % 2 == 0 ? 先手 : 後手, check));
        }
        EXPECT_EQ(got.back(), c.四度目) << c.名;
        got.pop_back();
        EXPECT_EQ(std::count(got.begin(), got.end(), 千日手判定::なし), 12) << c.名;
        // Stepped back by one move, the fourth time comes again only with the same position.
        r.戻す(12);
        EXPECT_EQ(r.加える(q[0], 後手, false), 千日手判定::なし) << c.名;
    }
}

}  // namespace
}  // namespace yukora
