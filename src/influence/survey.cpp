#include "influence/survey.h"

#include <bit>
#include <cstddef>
#include <cstring>
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

// Every map the survey resets lies before 守駒COM_X, so one copy resets them all.
void 地図を消す(勢力地図& m) {
    std::memcpy(static_cast<void*>(&m), &空の地図, offsetof(勢力地図, 守駒COM_X));
}

// Kinds of movers by the magnitude of their code; unknown codes are skipped.
enum 種類 : std::uint8_t { 無, 歩類, 金類, 香類, 桂類, 銀類, 角類, 馬類, 飛類, 竜類, 王類 };

constexpr std::array<std::uint8_t, 951> 種類表を作る() {
    std::array<std::uint8_t, 951> t{};
    t[歩] = 歩類;
    t[と] = t[香成] = t[桂成] = t[銀成] = t[金] = 金類;
    t[香] = 香類;
    t[桂] = 桂類;
    t[銀] = 銀類;
    t[角] = 角類;
    t[角成] = 馬類;
    t[飛] = 飛類;
    t[飛成] = 竜類;
    t[王] = 王類;
    return t;
}

constexpr auto 種類表 = 種類表を作る();

int 種類を見る(int a) { return a <= 王 ? 種類表[a] : 0; }

// The mover procedures. The straight ones take the side as a template argument.
template <側 S>
[[gnu::always_inline]] inline void 勢力確定上直進(const 駒型* b, 勢力地図& m, 動駒 d) { 直進<S, 上向き>(b, m, d); }
template <側 S>
[[gnu::always_inline]] inline void 勢力確定下直進(const 駒型* b, 勢力地図& m, 動駒 d) { 直進<S, 下向き>(b, m, d); }
template <側 S>
[[gnu::always_inline]] inline void 勢力確定右直進(const 駒型* b, 勢力地図& m, 動駒 d) { 直進<S, 右向き>(b, m, d); }
template <側 S>
[[gnu::always_inline]] inline void 勢力確定左直進(const 駒型* b, 勢力地図& m, 動駒 d) { 直進<S, 左向き>(b, m, d); }

// Rooks and dragons take the four straight rays in this order.
template <側 S>
[[gnu::always_inline]] inline void 縦横四方(const 駒型* b, 勢力地図& m, 動駒 d) {
    勢力確定下直進<S>(b, m, d);
    勢力確定上直進<S>(b, m, d);
    勢力確定右直進<S>(b, m, d);
    勢力確定左直進<S>(b, m, d);
}

// The bottom bishop's and horse's diagonals always record -800.
[[gnu::always_inline]] inline void 勢力確定自角(const 駒型* b, 勢力地図& m, int x, int y) {
    const 動駒 d{-角, 平(x, y), x, y};
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
    MAN歩先<MAN王手::印>(b, m, d, MAN金表);
}

// Every top gold-moving piece records 110.
[[gnu::always_inline]] inline void 勢力確定敵金(const 駒型* b, 勢力地図& m, int x, int y) {
    COM歩先<COM効き方{.守駒 = true, .王手 = true}>(b, m, {金, 平(x, y), x, y}, COM金表);
}

// The reach of one bottom piece; its code c is negative.
void MAN駒(局面& p, 勢力地図& m, const 駒型* b, int c, int x, int y) {
    const 動駒 d{c, 平(x, y), x, y};
    switch (種類を見る(-c)) {
        case 歩類: MAN歩先<MAN王手::印>(b, m, d, MAN歩表); break;
        case 金類: 勢力確定自金(b, m, d); break;
        case 香類: 勢力確定上直進<側::MAN>(b, m, d); break;
        case 桂類: MAN歩先<MAN王手::桂>(b, m, d, MAN桂表); break;
        case 銀類: MAN歩先<MAN王手::印>(b, m, d, MAN銀表); break;
        case 角類: 勢力確定自角(b, m, x, y); break;
        case 馬類:
            MAN歩先<MAN王手::印>(b, m, d, 縦横表);
            勢力確定自角(b, m, x, y);
            break;
        case 飛類: 縦横四方<側::MAN>(b, m, d); break;
        case 竜類:
            縦横四方<側::MAN>(b, m, d);
            MAN歩先<MAN王手::印>(b, m, d, 斜め表);
            break;
        case 王類:
            p.MAN王X = x;
            p.MAN王Y = y;
            MAN歩先<MAN王手::なし>(b, m, d, 八方表);
            break;
        default: break;
    }
}

// The reach of one top piece; its code c is positive. Gold-moving pieces record 110.
void COM駒(局面& p, 勢力地図& m, const 駒型* b, int c, int x, int y) {
    const 動駒 d{c, 平(x, y), x, y};
    switch (種類を見る(c)) {
        case 歩類: COM歩先<COM効き方{.守駒 = true, .攻駒 = true, .王手 = true}>(b, m, d, COM歩表); break;
        case 金類: 勢力確定敵金(b, m, x, y); break;
        case 香類: 勢力確定下直進<側::COM>(b, m, d); break;
        case 桂類:
            COM歩先<COM効き方{.守駒 = true, .守駒座標 = true, .王手 = true, .桂 = true}>(b, m, d,
                                                                                    COM桂表);
            break;
        case 銀類:
            COM歩先<COM効き方{.守駒 = true, .守駒座標 = true, .王手 = true}>(b, m, d, COM銀表);
            break;
        case 角類: 勢力確定敵角(b, m, d); break;
        case 馬類:
            COM歩先<COM効き方{.王手 = true}>(b, m, d, 縦横表);
            勢力確定敵角(b, m, d);
            break;
        case 飛類: 縦横四方<側::COM>(b, m, d); break;
        case 竜類:
            縦横四方<側::COM>(b, m, d);
            COM歩先<COM効き方{.守駒 = true, .守駒座標 = true, .攻駒 = true, .攻駒座標 = true,
                              .王手 = true}>(b, m, d, 斜め表);
            break;
        case 王類:
            p.COM王X = x;
            p.COM王Y = y;
            COM歩先<COM効き方{.守駒 = true}>(b, m, d, 八方表);
            break;
        default: break;
    }
}

// The occupied squares of each side, one bit per row (bit y) for each column.
struct 駒の在処 {
    std::array<std::uint32_t, 10> MAN{}, COM{};
};

駒の在処 在処を調べる(const 駒型* b) {
    駒の在処 r;
    for (int x = 1; x <= 9; ++x) {
        const 駒型* col = b + 平(x, 0);
#if defined(__SSE2__)
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(col + 1));  // rows 1..8
        const __m128i zero = _mm_setzero_si128();
        const __m128i neg = _mm_packs_epi16(_mm_cmplt_epi16(v, zero), zero);
        const __m128i pos = _mm_packs_epi16(_mm_cmpgt_epi16(v, zero), zero);
        std::uint32_t man = static_cast<std::uint32_t>(_mm_movemask_epi8(neg)) << 1;
        std::uint32_t com = static_cast<std::uint32_t>(_mm_movemask_epi8(pos)) << 1;
        man |= static_cast<std::uint32_t>(col[9] < 0) << 9;
        com |= static_cast<std::uint32_t>(col[9] > 0) << 9;
#else
        std::uint32_t man = 0, com = 0;
        for (int y = 1; y <= 9; ++y) {
            man |= static_cast<std::uint32_t>(col[y] < 0) << y;
            com |= static_cast<std::uint32_t>(col[y] > 0) << y;
        }
#endif
        r.MAN[x] = man;
        r.COM[x] = com;
    }
    return r;
}

}  // namespace

// The two sides write disjoint maps, so all bottom pieces go first and then all top pieces;
// each side keeps the scan order (x outer, y inner) on which its ties depend.
void 勢力調査(局面& p, 勢力地図& m) {
    地図を消す(m);
    const 駒型* b = 平盤(p.盤);
    const 駒の在処 在処 = 在処を調べる(b);
    for (int x = 1; x <= 9; ++x)
        for (std::uint32_t bits = 在処.MAN[x]; bits != 0; bits &= bits - 1) {
            const int y = std::countr_zero(bits);
            MAN駒(p, m, b, b[平(x, y)], x, y);
        }
    for (int x = 1; x <= 9; ++x)
        for (std::uint32_t bits = 在処.COM[x]; bits != 0; bits &= bits - 1) {
            const int y = std::countr_zero(bits);
            COM駒(p, m, b, b[平(x, y)], x, y);
        }
}

}  // namespace yukora
