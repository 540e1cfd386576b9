// The move list beside the board through the game's own events, and jumping by it.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

#include "flow/flow_fakes.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

void 指す(試験台& t, int x1, int y1, int x2, int y2) {
    t.窓で押す(x1, y1);
    t.窓で押す(x2, y2);
}

// The real game, loaded from its CSA file: 100 moves, at its start.
void 実戦を読む(試験台& t) {
    std::filesystem::copy_file(std::string(GAMES_DIR) + "/real-game-1.csa",
                               t.フォルダ / "実戦.csa");
    t.panel.フォルダ = t.フォルダ.string();
    t.game->File1_Click("実戦.csa");
}

TEST(棋譜リスト, 出来事ごとに見える行) {
    const std::vector<std::string> 二手{"開始局面", "▲７六歩(77)", ">△３四歩(33)"};
    const struct {
        const char* 出来事;
        std::function<void(試験台&)> する;
        std::vector<std::string> 行;  // the shown row marked ">"; none while hidden
    } 場合[] = {
        {"start, list off", [](試験台&) {}, {}},
        {"棋譜ﾘｽﾄ", [](試験台& t) { t.選ぶ(メニュー操作::KIFULIST); }, {">開始局面"}},
        {"two moves of a game between two people",
         [](試験台& t) {
             t.選ぶ(メニュー操作::START);
             指す(t, 3, 7, 3, 6);
             指す(t, 7, 3, 7, 4);
         },
         二手},
        {"戻 from the live position: that move is gone",
         [](試験台& t) { t.選ぶ(メニュー操作::REPLAY); },
         {"開始局面", ">▲７六歩(77)"}},
        {"← once more", [](試験台& t) { t.game->キー押下(キー_左); }, {">開始局面", "▲７六歩(77)"}},
        {"進", [](試験台& t) { t.選ぶ(メニュー操作::AFTER); }, {"開始局面", ">▲７六歩(77)"}},
        {"反転 drops the list", [](試験台& t) { t.選ぶ(メニュー操作::REVERSE); }, {">開始局面"}},
        {"a loaded record, at its start",
         [](試験台& t) { 実戦を読む(t); },
         {">開始局面", "▲７六歩(77)", "△３四歩(33)", "▲２六歩(27)"}},
        {"→ twice",
         [](試験台& t) { t.game->キー押下(キー_右), t.game->キー押下(キー_右); },
         {"開始局面", "▲７六歩(77)", ">△３四歩(33)", "▲２六歩(27)"}},
        {"a click on a row",
         [](試験台& t) { t.game->手順選択(3); },
         {"開始局面", "▲７六歩(77)", "△３四歩(33)", ">▲２六歩(27)"}},
        {"最初", [](試験台& t) { t.選ぶ(メニュー操作::CANCEL); }, {">開始局面"}},
        {"a new game against the computer",
         [](試験台& t) {
             t.選ぶ(メニュー操作::SENTE);
             指す(t, 3, 7, 3, 6);
         },
         {"開始局面", "▲７六歩(77)", ">△３四歩(33)"}},
        {"棋譜ﾘｽﾄ off", [](試験台& t) { t.選ぶ(メニュー操作::KIFULIST); }, {}},
    };
    試験台 t;
    for (const auto& c : 場合) {
        SCOPED_TRACE(c.出来事);
        c.する(t);
        ASSERT_EQ(t.棋譜リスト.表示, !c.行.empty());
        if (c.行.empty()) continue;
        const auto rows = t.棋譜リスト.見える行();
        ASSERT_GE(rows.size(), c.行.size());
        EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + c.行.size()), c.行);
    }
}

auto 見える状態(試験台& t) {
    const ゲーム状態& s = t.st();
    return std::tuple(s.盤面.盤, s.盤面.MAN持駒, s.盤面.COM持駒, s.盤面.MAN持駒数, s.盤面.COM持駒数,
                      s.進行.数.手数, s.進行.数.手順番号, s.進行.数.手順最終, s.進行.時間.MAN時間,
                      s.進行.時間.COM時間, s.進行.番.手番, s.進行.番.再開待ち,
                      t.棋譜リスト.見える行());
}

TEST(棋譜リスト, 行へ飛ぶのは同じ数の戻と進) {
    const struct {
        const char* 場面;
        std::function<void(試験台&)> 用意;
        int 行;
    } 場合[] = {
        {"a record forward", [](試験台& t) { 実戦を読む(t); }, 37},
        {"a record back",
         [](試験台& t) {
             実戦を読む(t);
             t.game->手順へ移る(60);
         },
         21},
        {"a game back from the live position",
         [](試験台& t) {
             t.選ぶ(メニュー操作::START);
             for (int y = 7; y > 4; --y) 指す(t, 3, y, 3, y - 1), 指す(t, 7, 10 - y, 7, 11 - y);
         },
         1},
    };
    for (const auto& c : 場合) {
        SCOPED_TRACE(c.場面);
        試験台 jumped, stepped;
        for (試験台* t : {&jumped, &stepped}) {
            t->選ぶ(メニュー操作::KIFULIST);
            c.用意(*t);
            t->音を消す();
        }
        jumped.game->手順選択(c.行);
        while (stepped.st().進行.数.手順番号 != c.行)
            stepped.選ぶ(stepped.st().進行.数.手順番号 < c.行 ? メニュー操作::AFTER
                                                              : メニュー操作::REPLAY);
        EXPECT_EQ(見える状態(jumped), 見える状態(stepped));
        EXPECT_EQ(jumped.鳴った音(), std::vector<std::string>{"駒打音.wav"});
    }
}

}  // namespace
}  // namespace yukora
