#include "influence/survey.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "influence/marking.h"

namespace yukora {
namespace {

using namespace influence;

// The maps as the reset leaves them: 0 counts and checks, no defenders or attackers on 1..9.
constexpr 勢力地図 空の地図を作る() {
    勢力地図 m{};
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            m.攻駒MAN[x][y] = -999;
            m.攻駒COM[x][y] = 999;
            m.守駒MAN[x][y] = 999;
            m.守駒COM[x][y] = 999;
        }
    }
    return m;
}

constexpr 勢力地図 空の地図 = 空の地図を作る();

// The maps from 守駒MAN up to 守駒COM_X are reset by one copy; the counts before them are
// written whole by the column pass. The length is hidden from the compiler so that the copy
// is the C library's, which stores wider than the inline copy the compiler would make.
void 地図を消す(勢力地図& m) {
    constexpr std::size_t from = offsetof(勢力地図, 守駒MAN), to = offsetof(勢力地図, 守駒COM_X);
    std::size_t n = to - from;
    asm("" : "+r"(n));
    std::memcpy(reinterpret_cast<char*>(&m) + from, reinterpret_cast<const char*>(&空の地図) + from,
                n);
}

// The kind of a mover by its code: the bottom side's kinds, then the same kinds of the top
// side. Unknown codes (±111 among them) are 無 and skipped.
enum 種類 : std::uint8_t {
    無,
    MAN歩,
    MAN金,
    MAN香,
    MAN桂,
    MAN銀,
    MAN角,
    MAN馬,
    MAN飛,
    MAN竜,
    MAN王,
    COM歩,
    COM金,
    COM香,
    COM桂,
    COM銀,
    COM角,
    COM馬,
    COM飛,
    COM竜,
    COM王,
};

constexpr std::array<std::uint8_t, 2 * 王 + 1> 種類表を作る() {
    std::array<std::uint8_t, 王 + 1> k{};
    k[歩] = MAN歩;
    k[と] = k[香成] = k[桂成] = k[銀成] = k[金] = MAN金;
    k[香] = MAN香;
    k[桂] = MAN桂;
    k[銀] = MAN銀;
    k[角] = MAN角;
    k[角成] = MAN馬;
    k[飛] = MAN飛;
    k[飛成] = MAN竜;
    k[王] = MAN王;
    std::array<std::uint8_t, 2 * 王 + 1> t{};
    for (int a = 1; a <= 王; ++a) {
        t[王 - a] = k[a];
        t[王 + a] = static_cast<std::uint8_t>(k[a] == 無 ? 無 : k[a] - MAN歩 + COM歩);
    }
    return t;
}

constexpr auto 種類表 = 種類表を作る();

int 種類を見る(int c) { return c >= -王 && c <= 王 ? 種類表[c + 王] : int{無}; }

// The mover procedures of the two sides. The straight ones take the side at compile time.
template <側 S>
[[gnu::always_inline]] inline void 勢力確定上直進(const 駒型* b, 勢力地図& m, 動駒 d) {
    直進<S, 上向き>(b, m, d);
}
template <側 S>
[[gnu::always_inline]] inline void 勢力確定下直進(const 駒型* b, 勢力地図& m, 動駒 d) {
    直進<S, 下向き>(b, m, d);
}
template <側 S>
[[gnu::always_inline]] inline void 勢力確定右直進(const 駒型* b, 勢力地図& m, 動駒 d) {
    直進<S, 右向き>(b, m, d);
}
template <側 S>
[[gnu::always_inline]] inline void 勢力確定左直進(const 駒型* b, 勢力地図& m, 動駒 d) {
    直進<S, 左向き>(b, m, d);
}

// Rooks and dragons take the four straight rays in this order.
template <側 S>
[[gnu::always_inline]] inline void 縦横四方(const 駒型* b, 勢力地図& m, 動駒 d) {
    勢力確定下直進<S>(b, m, d);
    勢力確定上直進<S>(b, m, d);
    勢力確定右直進<S>(b, m, d);
    勢力確定左直進<S>(b, m, d);
}

// The bottom bishop's and horse's diagonals always record -800.
[[gnu::always_inline]] inline void 勢力確定自角(const 駒型* b, 勢力地図& m, 動駒 d) {
    d.r = -角;
    MAN直進<左上>(b, m, d);
    MAN直進<右上>(b, m, d);
    MAN直進<左下>(b, m, d);
    MAN直進<右下>(b, m, d);
}

[[gnu::always_inline]] inline void 勢力確定敵角(const 駒型* b, 勢力地図& m, 動駒 d) {
    COM直進<左上>(b, m, d);
    COM直進<右上>(b, m, d);
    COM直進<左下>(b, m, d);
    COM直進<右下>(b, m, d);
}

[[gnu::always_inline]] inline void 勢力確定自金(const 駒型* b, 勢力地図& m, 動駒 d) {
    MAN歩先<MAN王手::印>(b, m, d, MAN金型{});
}

// Every top gold-moving piece records 110.
[[gnu::always_inline]] inline void 勢力確定敵金(const 駒型* b, 勢力地図& m, 動駒 d) {
    d.r = 金;
    COM歩先<COM効き方{.守駒 = true, .王手 = true}>(b, m, d, COM金型{});
}

constexpr COM効き方 COM歩の効き{.守駒 = true, .攻駒 = true, .王手 = true};

// The reach of one piece other than a bottom pawn. A top pawn comes here only when its square
// ahead is occupied, and its count is already made.
[[gnu::always_inline]] inline void 駒(局面& p, 勢力地図& m, const 駒型* b, int c, int x, int y) {
    const 動駒 d{c, 平(x, y), x, y};
    switch (種類を見る(c)) {
        case MAN金: 勢力確定自金(b, m, d); break;
        case MAN香: 勢力確定上直進<側::MAN>(b, m, d); break;
        case MAN桂: MAN歩先<MAN王手::桂>(b, m, d, MAN桂型{}); break;
        case MAN銀: MAN歩先<MAN王手::印>(b, m, d, MAN銀型{}); break;
        case MAN角: 勢力確定自角(b, m, d); break;
        case MAN馬:
            MAN歩先<MAN王手::印>(b, m, d, 縦横型{});
            勢力確定自角(b, m, d);
            break;
        case MAN飛: 縦横四方<側::MAN>(b, m, d); break;
        case MAN竜:
            縦横四方<側::MAN>(b, m, d);
            MAN歩先<MAN王手::印>(b, m, d, 斜め型{});
            break;
        case MAN王:
            p.MAN王X = x;
            p.MAN王Y = y;
            MAN歩先<MAN王手::なし>(b, m, d, 八方型{});
            break;
        case COM歩: COM一歩<COM歩の効き, 1, false>(b, m, d); break;
        case COM金: 勢力確定敵金(b, m, d); break;
        case COM香: 勢力確定下直進<側::COM>(b, m, d); break;
        case COM桂:
            COM歩先<COM効き方{.守駒 = true, .守駒座標 = true, .王手 = true, .桂 = true}>(b, m, d,
                                                                                         COM桂型{});
            break;
        case COM銀:
            COM歩先<COM効き方{.守駒 = true, .守駒座標 = true, .王手 = true}>(b, m, d, COM銀型{});
            break;
        case COM角: 勢力確定敵角(b, m, d); break;
        case COM馬:
            COM歩先<COM効き方{.王手 = true}>(b, m, d, 縦横型{});
            勢力確定敵角(b, m, d);
            break;
        case COM飛: 縦横四方<側::COM>(b, m, d); break;
        case COM竜:
            縦横四方<側::COM>(b, m, d);
            COM歩先<COM効き方{
                .守駒 = true, .守駒座標 = true, .攻駒 = true, .攻駒座標 = true, .王手 = true}>(
                b, m, d, 斜め型{});
            break;
        case COM王:
            p.COM王X = x;
            p.COM王Y = y;
            COM歩先<COM効き方{.守駒 = true}>(b, m, d, 八方型{});
            break;
        default: break;
    }
}

// One column of the board as bits by row (bit y for row y): the occupied squares and the
// pawns of each side.
struct 列の駒 {
    std::uint32_t 駒 = 0, MAN歩 = 0, COM歩 = 0;
};

// Reads column x and starts its two counts (rows 1..9) with the pawns': each pawn reaches the
// one square ahead, and no two pawns of a side reach the same square.
列の駒 列を調べる(const 駒型* b, 勢力地図& m, int x) {
    const 駒型* col = b + 平(x, 0);
    列の駒 r;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i 上 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(col + 1));  // rows 1..8
    const __m128i 下 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(col + 2));  // rows 2..9
    // Bits of two comparisons: rows 1..8 of the first, rows 2..9 of the second.
    const auto bits = [&](__m128i a, __m128i b) {
        const auto w = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(a, b)));
        return std::pair{(w & 0xFF) << 1, (w >> 8) << 2};
    };
    const auto [空上, 空下] = bits(_mm_cmpeq_epi16(上, zero), _mm_cmpeq_epi16(下, zero));
    r.駒 = (~空上 & 0x1FE) | (~空下 & 0x3FC);
    // A pawn compares to -1: the bottom pawns on rows 2..9 reach rows 1..8, the top pawns on
    // rows 1..8 reach rows 2..9.
    const __m128i man = _mm_cmpeq_epi16(下, _mm_set1_epi16(-歩));
    const __m128i com = _mm_cmpeq_epi16(上, _mm_set1_epi16(歩));
    const auto [COM上, MAN下] = bits(com, man);
    r.MAN歩 = MAN下 | static_cast<std::uint32_t>(col[1] == -歩) << 1;
    r.COM歩 = COM上 | static_cast<std::uint32_t>(col[9] == 歩) << 9;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&m.勢力MAN[x][1]), _mm_sub_epi16(zero, man));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&m.勢力COM[x][2]), _mm_sub_epi16(zero, com));
    m.勢力MAN[x][9] = 0;
    m.勢力COM[x][1] = 0;
#else
    for (int y = 1; y <= 9; ++y) {
        r.駒 |= static_cast<std::uint32_t>(col[y] != 0) << y;
        r.MAN歩 |= static_cast<std::uint32_t>(col[y] == -歩) << y;
        r.COM歩 |= static_cast<std::uint32_t>(col[y] == 歩) << y;
    }
    for (int y = 1; y <= 9; ++y) {
        m.勢力MAN[x][y] = static_cast<駒型>(y < 9 && col[y + 1] == -歩);
        m.勢力COM[x][y] = static_cast<駒型>(y > 1 && col[y - 1] == 歩);
    }
#endif
    return r;
}

}  // namespace

// Scan order (x outer, y inner) decides the ties and the square maps that are not reset. The
// bottom pawns are taken first and apart: their record code -10 beats every other bottom
// attacker and two of them never reach one square, so where they fall in the order changes
// nothing. The top pawns' counts are made with theirs; what else a top pawn does depends on
// the order, so it stays in the scan, but only when the square ahead is occupied.
void 勢力調査(局面& p, 勢力地図& m) {
    地図を消す(m);
    const 駒型* b = 平盤(p.盤);
    std::array<std::uint32_t, 10> 順{};
    for (int x = 1; x <= 9; ++x) {
        const 列の駒 col = 列を調べる(b, m, x);
        for (std::uint32_t bits = col.MAN歩 & (col.駒 << 1); bits != 0; bits &= bits - 1) {
            const int y = std::countr_zero(bits);
            MAN一歩<MAN王手::印, -1, false>(b, m, {-歩, 平(x, y), x, y});
        }
        順[x] = col.駒 & ~col.MAN歩 & ~(col.COM歩 & ~(col.駒 >> 1));
    }
    for (int x = 1; x <= 9; ++x) {
        for (std::uint32_t bits = 順[x]; bits != 0; bits &= bits - 1) {
            const int y = std::countr_zero(bits);
            駒(p, m, b, b[平(x, y)], x, y);
        }
    }
}

}  // namespace yukora
