// The engine game's clocks: main time, 秒読み, the increment, the flag and the go line.
#include "engine/time_control.h"

#include <gtest/gtest.h>

namespace yukora {
namespace {

// One move of a side: when it began and ended (ms), and what the clock says afterwards.
struct 一手 {
    int side;
    ミリ秒 開始, 終了;
    bool 間に合う;
    ミリ秒 先手残り, 後手残り;
};

struct 場合 {
    const char* 名;
    持ち時間設定 設定;
    std::vector<一手> 手;
};

TEST(対局時計, 持ち時間と秒読みと加算と時間切れ) {
    const 場合 表[] = {
        {"秒読みだけ: 各手10秒まで",
         {0, 10, 0},
         {{1, 0, 9'000, true, 0, 0},
          {-1, 9'000, 19'000, true, 0, 0},
          {1, 19'000, 29'001, false, 0, 0}}},
        {"持ち時間を使い切ってから秒読み",
         {1, 5, 0},
         {{1, 0, 50'000, true, 10'000, 60'000},
          {-1, 50'000, 50'100, true, 10'000, 59'900},
          {1, 50'100, 65'000, true, 0, 59'900},
          {-1, 65'000, 65'000, true, 0, 59'900},
          {1, 65'000, 70'001, false, 0, 59'900}}},
        {"秒読み0は持ち時間が尽きたら負け",
         {1, 0, 0},
         {{1, 0, 60'000, true, 0, 60'000},
          {-1, 60'000, 61'000, true, 0, 59'000},
          {1, 61'000, 61'001, false, 0, 59'000}}},
        {"加算は一手ごとに足され最初の一手分も持つ",
         {0, 10, 5},
         {{1, 0, 3'000, true, 7'000, 5'000},
          {-1, 3'000, 8'000, true, 7'000, 5'000},
          {1, 8'000, 15'000, true, 5'000, 5'000},
          {-1, 15'000, 20'001, false, 5'000, 0}}},
    };
    for (const 場合& c : 表) {
        対局時計 clock(c.設定);
        for (std::size_t i = 0; i < c.手.size(); ++i) {
            const 一手& m = c.手[i];
            clock.手番開始(m.side, m.開始);
            EXPECT_EQ(clock.切れたか(m.終了), !m.間に合う) << c.名 << " move " << i + 1;
            EXPECT_EQ(clock.手を終える(m.終了), m.間に合う) << c.名 << " move " << i + 1;
            EXPECT_EQ(clock.残り(1, m.終了), m.先手残り) << c.名 << " move " << i + 1;
            EXPECT_EQ(clock.残り(-1, m.終了), m.後手残り) << c.名 << " move " << i + 1;
        }
    }
}

TEST(対局時計, 手番の残りは刻々と減り表示は秒に切り上げる) {
    対局時計 clock({1, 10, 0});
    clock.手番開始(-1, 1'000);
    EXPECT_EQ(clock.残り(-1, 31'000), 30'000);
    EXPECT_EQ(clock.残り(1, 31'000), 60'000);
    EXPECT_EQ(時計の文字(clock.残り(-1, 31'500), clock.秒読み残り(-1, 31'500)), "00:30");
    EXPECT_EQ(時計の文字(clock.残り(-1, 64'500), clock.秒読み残り(-1, 64'500)), "秒読み 7");
    EXPECT_EQ(時計の文字(clock.残り(-1, 72'000), clock.秒読み残り(-1, 72'000)), "秒読み 0");
    EXPECT_EQ(clock.秒読み残り(1, 72'000), -1);
    EXPECT_EQ(時計の文字(3'725'000, -1), "1:02:05");
    EXPECT_EQ(clock.go命令(), "go btime 60000 wtime 60000 byoyomi 10000");
    clock.手を終える(2'000);
    EXPECT_EQ(clock.go命令(), "go btime 60000 wtime 59000 byoyomi 10000");
    EXPECT_EQ(対局時計({2, 0, 3}).go命令(), "go btime 123000 wtime 123000 binc 3000 winc 3000");
}

}  // namespace
}  // namespace yukora
