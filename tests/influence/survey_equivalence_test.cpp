// The survey against the straightforward one it replaced, on many random boards and on every
// position of the recorded game: every map, the carried-over square maps and the king squares.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "influence/reference_survey.h"
#include "influence/survey.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

struct 名前付き地図 {
    const char* 名前;
    盤型 勢力地図::*map;
};

constexpr 名前付き地図 全ての地図[] = {
    {"勢力MAN", &勢力地図::勢力MAN},     {"勢力COM", &勢力地図::勢力COM},
    {"守駒MAN", &勢力地図::守駒MAN},     {"守駒COM", &勢力地図::守駒COM},
    {"守駒COM_X", &勢力地図::守駒COM_X}, {"守駒COM_Y", &勢力地図::守駒COM_Y},
    {"攻駒MAN", &勢力地図::攻駒MAN},     {"攻駒MAN_X", &勢力地図::攻駒MAN_X},
    {"攻駒MAN_Y", &勢力地図::攻駒MAN_Y}, {"攻駒COM", &勢力地図::攻駒COM},
    {"攻駒COM_X", &勢力地図::攻駒COM_X}, {"攻駒COM_Y", &勢力地図::攻駒COM_Y},
    {"MAN王手筋", &勢力地図::MAN王手筋}, {"COM王手筋", &勢力地図::COM王手筋},
};

// The first difference (row and column 0 included), or an empty string.
std::string 違い(const 勢力地図& a, const 勢力地図& b) {
    for (const auto& [名前, map] : 全ての地図)
        for (int x = 0; x <= 9; ++x)
            for (int y = 0; y <= 9; ++y)
                if ((a.*map)[x][y] != (b.*map)[x][y])
                    return std::string(名前) + "(" + std::to_string(x) + "," + std::to_string(y) +
                           ") " + std::to_string((a.*map)[x][y]) + " vs " +
                           std::to_string((b.*map)[x][y]);
    return {};
}

std::string 王の違い(const 局面& a, const 局面& b) {
    if (a.MAN王X != b.MAN王X || a.MAN王Y != b.MAN王Y || a.COM王X != b.COM王X ||
        a.COM王Y != b.COM王Y)
        return "king squares differ";
    return {};
}

// A board of any density from every code, two unknown codes and sometimes several kings.
局面 乱数の盤(std::mt19937& rng) {
    static constexpr int codes[] = {歩, と, 香,   香成, 桂,   桂成, 銀,  銀成,
                                    金, 角, 角成, 飛,   飛成, 王,   金成};
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(codes)) - 1);
    const double density = unit(rng);
    局面 p{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (unit(rng) < density) {
                const int c = codes[pick(rng)];
                p.盤[x][y] = static_cast<駒型>(rng() % 2 ? c : -c);
            }
    p.MAN王X = static_cast<int>(rng() % 10);
    p.COM王Y = static_cast<int>(rng() % 10);
    return p;
}

// Both surveys from the same state; the maps are kept from board to board, as in play.
struct 二つの調査 {
    勢力地図 新{}, 旧{};
    std::string 調べる(const 局面& start) {
        局面 a = start, b = start;
        勢力調査(a, 新);
        参照::勢力調査(b, 旧);
        if (std::string d = 違い(新, 旧); !d.empty()) return d;
        return 王の違い(a, b);
    }
};

TEST(勢力調査の同値, 乱数の盤で前の実装と同じ地図になる) {
    std::mt19937 rng(17);
    二つの調査 t;
    for (int i = 0; i < 20000; ++i) {
        const 局面 p = 乱数の盤(rng);
        const std::string d = t.調べる(p);
        ASSERT_EQ(d, "") << "board " << i;
    }
}

TEST(勢力調査の同値, 棋譜の全局面で前の実装と同じ地図になる) {
    二つの調査 t;
    局面 p = test::初期局面();
    ASSERT_EQ(t.調べる(p), "");
    int plies = 0;
    for (const std::string& line : test::CSA棋譜(GAMES_DIR "/real-game-1.csa")) {
        const test::CSA指し手 mv = test::CSAを読む(line);
        if (!mv.打ち) p.盤[mv.元X][mv.元Y] = 0;
        p.盤[mv.先X][mv.先Y] = static_cast<駒型>(mv.駒);
        ++plies;
        ASSERT_EQ(t.調べる(p), "") << "after ply " << plies;
    }
    EXPECT_EQ(plies, 100);
}

}  // namespace
}  // namespace yukora
