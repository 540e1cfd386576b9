// The clocks of an engine game: 持ち時間, then 秒読み for each move, or a Fischer increment.
#pragma once
#include <cstdint>
#include <string>

namespace yukora {

using ミリ秒 = std::int64_t;

struct 持ち時間設定 {
    int 持ち時間分 = 0;  // main time of each side
    int 秒読み秒 = 10;   // time of each move once the main time is spent
    int 加算秒 = 0;      // Fischer increment; when above 0 it replaces the 秒読み
    bool operator==(const 持ち時間設定&) const = default;
};

// Both sides' clocks. A move first spends the main time, then its 秒読み, which starts anew
// at every move; with an increment each side starts with its main time plus one increment
// and gains one after every move. The flag falls when a move takes more than that.
class 対局時計 {
public:
    explicit 対局時計(const 持ち時間設定& s = {});

    const 持ち時間設定& 設定() const { return 設定_; }
    // The turn of `side` (先手 1, 後手 -1) begins at `now`.
    void 手番開始(int side, ミリ秒 now);
    // The clock of the side to move stops without being charged (戻, the end of a game).
    void 止める() { 動いている_ = false; }
    bool 動いている() const { return 動いている_; }
    int 手番() const { return 手番_; }

    // The side to move has moved at `now`: its time is charged. false when its flag had
    // fallen by then; the clock is stopped either way.
    bool 手を終える(ミリ秒 now);
    // The side to move has used all it has by `now`.
    bool 切れたか(ミリ秒 now) const { return 動いている_ && 経過(now) > 使える時間(); }
    // What the side to move may spend on this move in all (main time and 秒読み).
    ミリ秒 使える時間() const;
    // When the turn of the side to move began.
    ミリ秒 手番開始時刻() const { return 開始_; }

    // The main time of `side` left at `now` (its turn's time taken off while it moves).
    ミリ秒 残り(int side, ミリ秒 now) const;
    // The 秒読み left to `side` at `now` once its main time is gone (all of it while the side
    // waits); -1 while it still has main time or the game has no 秒読み.
    ミリ秒 秒読み残り(int side, ミリ秒 now) const;

    // "go btime <ms> wtime <ms> byoyomi <ms>", or "… binc <ms> winc <ms>" with an increment.
    std::string go命令() const;

private:
    ミリ秒 経過(ミリ秒 now) const { return now > 開始_ ? now - 開始_ : 0; }
    ミリ秒& 持ち(int side) { return side == 1 ? 先手残り_ : 後手残り_; }
    ミリ秒 持ち(int side) const { return side == 1 ? 先手残り_ : 後手残り_; }

    持ち時間設定 設定_;
    ミリ秒 先手残り_ = 0, 後手残り_ = 0;
    int 切れた側_ = 0;  // whose flag fell
    int 手番_ = 1;
    ミリ秒 開始_ = 0;
    bool 動いている_ = false;
};

// The clock as it is shown: "10:00" for main time, then "秒読み 8" (whole seconds, rounded
// up so that 0 shows only when the time is gone).
std::string 時計の文字(ミリ秒 残り, ミリ秒 秒読み残り);

}  // namespace yukora
