// The update rules of the survey for one step and one ray, a separate path for each side and
// each kind of mover, chosen at compile time. Maps and board are read as 100 flat squares.
#pragma once
#include <cstddef>

#include "influence/influence_maps.h"
#include "influence/steps.h"

namespace yukora::influence {

// A board-sized array as its 100 squares in a row, s = 10 x + y.
inline 駒型* 平盤(盤型& a) { return reinterpret_cast<駒型*>(reinterpret_cast<unsigned char*>(&a)); }
inline const 駒型* 平盤(const 盤型& a) {
    return reinterpret_cast<const 駒型*>(reinterpret_cast<const unsigned char*>(&a));
}
static_assert(sizeof(盤型) == 100 * sizeof(駒型), "a board array is read as 100 squares");

// What a bottom (MAN) step marks when it reaches the top king: nothing (the king itself), the
// mover's square, or for a knight also the king's square.
enum class MAN王手 { なし, 印, 桂 };

// Which optional updates a top-side (COM) step makes.
struct COM効き方 {
    bool 守駒 = false;      // updates defenders
    bool 守駒座標 = false;  // records its square with the defender
    bool 攻駒 = false;      // updates attackers
    bool 攻駒座標 = false;  // records its square with the attacker
    bool 王手 = false;      // marks checks
    bool 桂 = false;        // a knight check also marks the king's square
};

// The mover: its record code and square. The flat square is pointer-sized so that every map
// access is one address with a constant offset.
struct 動駒 {
    int r;
    std::ptrdiff_t s;
    int x, y;
};

// A map seen from the mover's square.
[[gnu::always_inline]] inline 駒型* 升(盤型& map, const 動駒& d) { return 平盤(map) + d.s; }

// A bottom mover reaches the square `off` away; `数える` is false where the count is made
// elsewhere.
template <MAN王手 王手, std::ptrdiff_t off, bool 数える = true>
[[gnu::always_inline]] inline void MAN一歩(const 駒型* b, 勢力地図& m, 動駒 d) {
    if constexpr (数える) ++升(m.勢力MAN, d)[off];
    const int c = (b + d.s)[off];
    if (c == 0) return;  // the common case, one test
    if (c <= -10) {
        駒型& def = 升(m.守駒MAN, d)[off];
        if (def > d.r) def = static_cast<駒型>(d.r);
    } else if (c >= 10) {
        駒型& att = 升(m.攻駒MAN, d)[off];
        if (att < d.r) {
            att = static_cast<駒型>(d.r);
            升(m.攻駒MAN_X, d)[off] = static_cast<駒型>(d.x);
            升(m.攻駒MAN_Y, d)[off] = static_cast<駒型>(d.y);
        }
        if (王手 != MAN王手::なし && c == 950) [[unlikely]] {
            升(m.MAN王手筋, d)[0] = 9;
            if (王手 == MAN王手::桂) 升(m.MAN王手筋, d)[off] = 9;
        }
    }
}

// A top mover reaches the square `off` away.
template <COM効き方 how, std::ptrdiff_t off, bool 数える = true>
[[gnu::always_inline]] inline void COM一歩(const 駒型* b, 勢力地図& m, 動駒 d) {
    if constexpr (数える) ++升(m.勢力COM, d)[off];
    const int c = (b + d.s)[off];
    if (c == 0) return;  // the common case, one test
    if (c >= 10) {
        if constexpr (how.守駒) {
            駒型& def = 升(m.守駒COM, d)[off];
            if (def > d.r) {
                def = static_cast<駒型>(d.r);
                if constexpr (how.守駒座標) {
                    升(m.守駒COM_X, d)[off] = static_cast<駒型>(d.x);
                    升(m.守駒COM_Y, d)[off] = static_cast<駒型>(d.y);
                }
            }
        }
    } else if (c <= -10) {
        if constexpr (how.攻駒) {
            駒型& att = 升(m.攻駒COM, d)[off];
            if (att > d.r) {
                att = static_cast<駒型>(d.r);
                if constexpr (how.攻駒座標) {
                    升(m.攻駒COM_X, d)[off] = static_cast<駒型>(d.x);
                    升(m.攻駒COM_Y, d)[off] = static_cast<駒型>(d.y);
                }
            }
        }
        if constexpr (how.王手) {
            if (c == -950) [[unlikely]] {
                升(m.COM王手筋, d)[0] = 9;
                if constexpr (how.桂) 升(m.COM王手筋, d)[off] = 9;
            }
        }
    }
}

// Every step of a pattern that stays on the board; away from the edges, without a test each.
template <MAN王手 王手, 差... steps>
[[gnu::always_inline]] inline void MAN歩先(const 駒型* b, 勢力地図& m, 動駒 d, 歩型<steps...> k) {
    if (全て盤内(k, d.x, d.y)) (MAN一歩<王手, steps.平差()>(b, m, d), ...);
    else ((盤内<steps>(d.x, d.y) ? MAN一歩<王手, steps.平差()>(b, m, d) : void()), ...);
}

template <COM効き方 how, 差... steps>
[[gnu::always_inline]] inline void COM歩先(const 駒型* b, 勢力地図& m, 動駒 d, 歩型<steps...> k) {
    if (全て盤内(k, d.x, d.y)) (COM一歩<how, steps.平差()>(b, m, d), ...);
    else ((盤内<steps>(d.x, d.y) ? COM一歩<how, steps.平差()>(b, m, d) : void()), ...);
}

// The check line of a ray from the mover to the king at k: 1 strictly between, 9 on the mover.
inline void 王手筋印(盤型& map, std::ptrdiff_t s, int dir, std::ptrdiff_t k) {
    駒型* f = 平盤(map);
    for (std::ptrdiff_t t = s + dir; t != k; t += dir) f[t] = 1;
    f[s] = 9;
}

// A bottom ray: counts every square up to the first occupied one, and goes on past the top
// king. Defenders are recorded without a square, attackers with one.
template <int dir>
[[gnu::always_inline]] inline void MAN直進(const 駒型* b, 勢力地図& m, 動駒 d) {
    const std::ptrdiff_t last = 終点[dir][static_cast<std::size_t>(d.s)];
    for (std::ptrdiff_t t = d.s; t != last;) {
        t += dir;
        ++平盤(m.勢力MAN)[t];
        const int c = b[t];
        if (c == 0) [[likely]]
            continue;  // keeps the empty squares in a tight loop
        if (c <= -10) {
            駒型& def = 平盤(m.守駒MAN)[t];
            if (def > d.r) def = static_cast<駒型>(d.r);
        } else if (c >= 10) {
            駒型& att = 平盤(m.攻駒MAN)[t];
            if (att < d.r) {
                att = static_cast<駒型>(d.r);
                平盤(m.攻駒MAN_X)[t] = static_cast<駒型>(d.x);
                平盤(m.攻駒MAN_Y)[t] = static_cast<駒型>(d.y);
            }
            if (c == 950) {
                王手筋印(m.MAN王手筋, d.s, dir, t);
                continue;
            }
        }
        return;
    }
}

// A top ray: defenders and attackers are both recorded with the mover's square.
template <int dir>
[[gnu::always_inline]] inline void COM直進(const 駒型* b, 勢力地図& m, 動駒 d) {
    const std::ptrdiff_t last = 終点[dir][static_cast<std::size_t>(d.s)];
    for (std::ptrdiff_t t = d.s; t != last;) {
        t += dir;
        ++平盤(m.勢力COM)[t];
        const int c = b[t];
        if (c == 0) [[likely]]
            continue;  // keeps the empty squares in a tight loop
        if (c >= 10) {
            駒型& def = 平盤(m.守駒COM)[t];
            if (def > d.r) {
                def = static_cast<駒型>(d.r);
                平盤(m.守駒COM_X)[t] = static_cast<駒型>(d.x);
                平盤(m.守駒COM_Y)[t] = static_cast<駒型>(d.y);
            }
        } else if (c <= -10) {
            駒型& att = 平盤(m.攻駒COM)[t];
            if (att > d.r) {
                att = static_cast<駒型>(d.r);
                平盤(m.攻駒COM_X)[t] = static_cast<駒型>(d.x);
                平盤(m.攻駒COM_Y)[t] = static_cast<駒型>(d.y);
            }
            if (c == -950) {
                王手筋印(m.COM王手筋, d.s, dir, t);
                continue;
            }
        }
        return;
    }
}

enum class 側 { MAN, COM };

template <側 S, int dir>
[[gnu::always_inline]] inline void 直進(const 駒型* b, 勢力地図& m, 動駒 d) {
    if constexpr (S == 側::MAN) MAN直進<dir>(b, m, d);
    else COM直進<dir>(b, m, d);
}

}  // namespace yukora::influence
