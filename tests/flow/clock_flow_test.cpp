// The players' clocks through whole games: what each move costs, what stepping restores.
#include <gtest/gtest.h>

#include "display/grid.h"
#include "flow/clock_text.h"
#include "flow/flow_fakes.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

void 経過時間を(試験台& t, bool on) {
    if (t.st().設定.印.KEIKA != on) t.game->KEIKA_Click();
}

// A player thinks `seconds` while the window's timer ticks once a second, as the event loop
// would tick it (only while it is enabled).
void 考える(試験台& t, int seconds) {
    for (int i = 0; i < seconds; ++i) {
        t.clock.今 += 1.0f;
        if (t.timer.on) t.game->Timer1_Timer();
    }
}

struct 手 {
    int 元X, 元Y, 先X, 先Y, 秒;
};

void 指す(試験台& t, const 手& m) {
    考える(t, m.秒);
    t.押す(m.元X, m.元Y);
    t.押す(m.先X, m.先Y);
}

// The last text drawn at the bottom player's clock (13, 9.2) or the top player's (-1.6, 9.2).
std::string 時計の文字(const 試験台& t, bool 下) {
    const std::string at = "文字 " + std::to_string(桝のX(下 ? 13 : -1.6)) + " " +
                           std::to_string(桝のY(9.2)) + " 12 15 ";
    std::string last;
    for (const auto& c : t.screen.絞込(at)) last = c.substr(at.size());
    return last;
}

TEST(時計, 時分秒の繰り上がり) {
    const struct {
        float 秒;
        const char* 文字;
    } 場合[] = {
        {59.9f, "00:00:59"}, {60, "00:01:00"},      {3599, "00:59:59"},
        {3600, "01:00:00"},  {3600.5f, "01:00:00"}, {360000 - 1, "99:59:59"},
    };
    for (const auto& c : 場合) EXPECT_EQ(調査_時間秒追加結果(c.秒), c.文字) << c.秒;
}

// Two people: 10 s and 20 s for the bottom player, 4 s and 3 s for the top one.
const 手 二人の四手[] = {{3, 7, 3, 6, 10}, {7, 3, 7, 4, 4}, {2, 7, 2, 6, 20}, {8, 3, 8, 4, 3}};

TEST(時計, 二人の対局では手番の実時間がそれぞれの合計に入る) {
    for (const bool 表示 : {true, false}) {
        SCOPED_TRACE(表示 ? "経過時間 checked" : "経過時間 unchecked");
        試験台 t;
        経過時間を(t, 表示);
        t.game->START_Click();
        for (const 手& m : 二人の四手) 指す(t, m);
        const 進行状態& s = t.st().進行;
        ASSERT_EQ(s.手数, 4);
        EXPECT_NEAR(s.MAN時間, 30, 0.5);
        EXPECT_NEAR(s.COM時間, 7, 0.5);
        // The move list, which the record file holds, has each move's time on its mover.
        const 手順記録& 上の一手 = t.st().手順.参照(1);
        EXPECT_NEAR(上の一手.MAN時間前, 10, 0.5);
        EXPECT_NEAR(上の一手.MAN時間後, 10, 0.5);
        EXPECT_NEAR(上の一手.COM時間前, 0, 0.5);
        EXPECT_NEAR(上の一手.COM時間後, 4, 0.5);
        const 手順記録& 下の二手目 = t.st().手順.参照(2);
        EXPECT_NEAR(下の二手目.MAN時間後, 30, 0.5);
        EXPECT_NEAR(下の二手目.COM時間後, 4, 0.5);
    }
}

TEST(時計, COMとの対局では経過時間を切っても手番の実時間が積み上がる) {
    for (const bool 表示 : {true, false}) {
        SCOPED_TRACE(表示 ? "経過時間 checked" : "経過時間 unchecked");
        試験台 t;
        経過時間を(t, 表示);
        t.game->SENTE_Click();
        指す(t, {3, 7, 3, 6, 10});
        const 進行状態& s = t.st().進行;
        ASSERT_EQ(s.手数, 2);
        EXPECT_NEAR(s.MAN時間, 10, 0.5);
        EXPECT_LT(s.COM時間, 1);  // the computer answers at once
        指す(t, {1, 7, 1, 6, 20});
        ASSERT_EQ(s.手数, 4);
        EXPECT_NEAR(s.MAN時間, 30, 0.5);
        EXPECT_LT(s.COM時間, 2);
        EXPECT_NEAR(t.st().手順.参照(2).MAN時間後, 30, 0.5);
        EXPECT_LT(t.st().手順.参照(3).COM時間後, 2);
    }
}

TEST(時計, 戻と進は戻した局面の合計を示し続けて指すとその手の時間だけ足す) {
    試験台 t;
    経過時間を(t, true);
    t.game->START_Click();
    for (const 手& m : 二人の四手) 指す(t, m);
    const 進行状態& s = t.st().進行;
    // Stepping never shows the totals from before it restored them.
    const struct {
        const char* 操作;
        float MAN, COM;
        const char *下の文字, *上の文字;
    } 段階[] = {
        {"REPLAY", 30, 4, "00:00:30", "00:00:04"},  // after three moves
        {"REPLAY", 10, 4, "00:00:10", "00:00:04"},  // after two moves
        {"AFTER", 30, 4, "00:00:30", "00:00:04"},   // after three moves again
    };
    for (const auto& step : 段階) {
        SCOPED_TRACE(step.操作);
        t.game->メニュー選択(step.操作);
        EXPECT_NEAR(s.MAN時間, step.MAN, 0.5);
        EXPECT_NEAR(s.COM時間, step.COM, 0.5);
        EXPECT_EQ(時計の文字(t, true), step.下の文字);
        EXPECT_EQ(時計の文字(t, false), step.上の文字);
    }
    ASSERT_EQ(s.手数, 3);
    ASSERT_EQ(s.手番, -1);
    // The top player plays the fourth move again, this time in 5 s.
    t.押す(5, 5);  // resumes the game
    指す(t, {8, 3, 8, 4, 5});
    EXPECT_NEAR(s.COM時間, 9, 0.5);
    EXPECT_NEAR(s.MAN時間, 30, 0.5);
}

TEST(時計, 対局途中の後手は人の時計をその時から数える) {
    試験台 t;
    t.game->SENTE_Click();
    指す(t, {3, 7, 3, 6, 10});
    指す(t, {1, 7, 1, 6, 10});
    t.game->REPLAY_Click();
    t.game->REPLAY_Click();  // after the first two moves, the human to move, 10 s used
    const 進行状態& s = t.st().進行;
    ASSERT_EQ(s.手数, 2);
    ASSERT_EQ(s.手番, s.MAN番);
    考える(t, 100);  // the game sits paused
    t.game->GOTE_Click();
    EXPECT_EQ(t.dialog.最後(), "対局: MANの番です");
    指す(t, {7, 7, 7, 6, 5});
    ASSERT_EQ(s.手数, 4);
    EXPECT_NEAR(s.MAN時間, 15, 0.5);
}

}  // namespace
}  // namespace yukora
