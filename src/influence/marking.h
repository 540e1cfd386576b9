// The single-step and ray update rules of the survey, one path per side chosen at compile time.
// Squares are flat offsets (steps.h); a mover is at s = 10 x + y.
#pragma once
#include "influence/influence_maps.h"
#include "influence/steps.h"

namespace yukora::influence {

inline 駒型* 平盤(盤型& a) { return a[0].data(); }
inline const 駒型* 平盤(const 盤型& a) { return a[0].data(); }
static_assert(sizeof(盤型) == 100 * sizeof(駒型), "the board arrays are read as 100 squares");

// What a bottom (MAN) step marks on the top king: nothing (the king), the mover's square, or
// for a knight also the king's square.
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

// The mover being marked: its record code and square.
struct 動駒 {
    int r;
    int s, x, y;
};

// A bottom mover reaches t.
template <MAN王手 王手>
[[gnu::always_inline]] inline void MAN一歩(const 駒型* b, 勢力地図& m, 動駒 d, int t) {
    ++平盤(m.勢力MAN)[t];
    const int c = b[t];
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
        if (王手 != MAN王手::なし && c == 950) [[unlikely]] {
            平盤(m.MAN王手筋)[d.s] = 9;
            if (王手 == MAN王手::桂) 平盤(m.MAN王手筋)[t] = 9;
        }
    }
}

// A top mover reaches t.
template <COM効き方 how>
[[gnu::always_inline]] inline void COM一歩(const 駒型* b, 勢力地図& m, 動駒 d, int t) {
    ++平盤(m.勢力COM)[t];
    const int c = b[t];
    if (c >= 10) {
        if constexpr (how.守駒) {
            駒型& def = 平盤(m.守駒COM)[t];
            if (def > d.r) {
                def = static_cast<駒型>(d.r);
                if constexpr (how.守駒座標) {
                    平盤(m.守駒COM_X)[t] = static_cast<駒型>(d.x);
                    平盤(m.守駒COM_Y)[t] = static_cast<駒型>(d.y);
                }
            }
        }
    } else if (c <= -10) {
        if constexpr (how.攻駒) {
            駒型& att = 平盤(m.攻駒COM)[t];
            if (att > d.r) {
                att = static_cast<駒型>(d.r);
                if constexpr (how.攻駒座標) {
                    平盤(m.攻駒COM_X)[t] = static_cast<駒型>(d.x);
                    平盤(m.攻駒COM_Y)[t] = static_cast<駒型>(d.y);
                }
            }
        }
        if constexpr (how.王手) {
            if (c == -950) [[unlikely]] {
                平盤(m.COM王手筋)[d.s] = 9;
                if constexpr (how.桂) 平盤(m.COM王手筋)[t] = 9;
            }
        }
    }
}

template <MAN王手 王手>
[[gnu::always_inline]] inline void MAN歩先(const 駒型* b, 勢力地図& m, 動駒 d, const 歩先表& tab) {
    const 歩先& e = tab[d.s];
    const int n = e.n;  // the stores below may alias the table as far as the compiler knows
    for (int i = 0; i < n; ++i) MAN一歩<王手>(b, m, d, e.t[i]);
}

template <COM効き方 how>
[[gnu::always_inline]] inline void COM歩先(const 駒型* b, 勢力地図& m, 動駒 d, const 歩先表& tab) {
    const 歩先& e = tab[d.s];
    const int n = e.n;
    for (int i = 0; i < n; ++i) COM一歩<how>(b, m, d, e.t[i]);
}

// Marks the check line of a ray from the mover to the king at k: 1 strictly between, 9 on the mover.
inline void 王手筋印(盤型& map, int s, int dir, int k) {
    駒型* f = 平盤(map);
    for (int t = s + dir; t != k; t += dir) f[t] = 1;
    f[s] = 9;
}

// A bottom ray: counts every square up to the first occupied one, and goes on past the top king.
template <int dir>
[[gnu::always_inline]] inline void MAN直進(const 駒型* b, 勢力地図& m, 動駒 d) {
    int t = d.s;
    for (int n = 射程[dir][d.s]; n > 0; --n) {
        t += dir;
        ++平盤(m.勢力MAN)[t];
        const int c = b[t];
        if (c == 0) continue;
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

// A top ray: the defender and the attacker record the mover's square.
template <int dir>
[[gnu::always_inline]] inline void COM直進(const 駒型* b, 勢力地図& m, 動駒 d) {
    int t = d.s;
    for (int n = 射程[dir][d.s]; n > 0; --n) {
        t += dir;
        ++平盤(m.勢力COM)[t];
        const int c = b[t];
        if (c == 0) continue;
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
