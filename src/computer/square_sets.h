// Sets of squares as bits of the flat offset s = 10 x + y (x, y in 1..9), for scanning only the
// squares a term can concern. Ascending bits are the scan order, x outer and y inner.
#pragma once
#include <array>
#include <bit>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "rules/pieces.h"

namespace yukora {

struct 桝集合 {
    std::uint64_t lo = 0, hi = 0;  // squares 0..63 and 64..127

    constexpr 桝集合 operator&(桝集合 o) const { return {lo & o.lo, hi & o.hi}; }
    constexpr 桝集合 operator|(桝集合 o) const { return {lo | o.lo, hi | o.hi}; }
    constexpr 桝集合 operator~() const { return {~lo, ~hi}; }
    constexpr bool 空か() const { return (lo | hi) == 0; }
    // Every square n further on (<<) or back (>>), 0 < n < 64.
    constexpr 桝集合 operator<<(int n) const { return {lo << n, hi << n | lo >> (64 - n)}; }
    constexpr 桝集合 operator>>(int n) const { return {lo >> n | hi << (64 - n), hi >> n}; }
    constexpr bool 含む(int s) const {
        return s < 64 ? (lo >> s) & 1 : (hi >> (s - 64)) & 1;
    }
    constexpr void 加える(int s) {
        if (s < 64) lo |= std::uint64_t{1} << s;
        else hi |= std::uint64_t{1} << (s - 64);
    }
    constexpr int 数() const {
        int n = 0;
        for (std::uint64_t w = lo; w != 0; w &= w - 1) ++n;
        for (std::uint64_t w = hi; w != 0; w &= w - 1) ++n;
        return n;
    }
};

// Every square of the board.
inline constexpr 桝集合 全桝 = [] {
    桝集合 r;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) r.加える(10 * x + y);
    return r;
}();

// Calls f(x, y) for every square of the set in scan order.
template <class F>
inline void 各桝(桝集合 set, F&& f) {
    for (std::uint64_t w = set.lo; w != 0; w &= w - 1) {
        const int s = std::countr_zero(w);
        f(s / 10, s % 10);
    }
    for (std::uint64_t w = set.hi; w != 0; w &= w - 1) {
        const int s = std::countr_zero(w) + 64;
        f(s / 10, s % 10);
    }
}

// A board-sized array as its 100 squares in a row (s = 10 x + y).
inline const 駒型* 桝の列(const 盤型& a) {
    static_assert(sizeof(盤型) == 100 * sizeof(駒型));
    return reinterpret_cast<const 駒型*>(reinterpret_cast<const unsigned char*>(&a));
}

// The squares of the board where a board-sized array holds a value in lo..hi.
inline 桝集合 範囲の桝(const 盤型& a, 駒型 lo, 駒型 hi) {
    const 駒型* v = 桝の列(a);
    桝集合 r;
#if defined(__SSE2__)
    const __m128i l = _mm_set1_epi16(lo), h = _mm_set1_epi16(hi);
    const auto bits = [&](int i) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(v + i));
        const __m128i out = _mm_or_si128(_mm_cmplt_epi16(x, l), _mm_cmpgt_epi16(x, h));
        return static_cast<std::uint64_t>(~_mm_movemask_epi8(_mm_packs_epi16(out, out)) & 0xFF);
    };
    for (int i = 0; i < 64; i += 8) r.lo |= bits(i) << i;
    for (int i = 64; i < 96; i += 8) r.hi |= bits(i) << (i - 64);
    for (int i = 96; i < 100; ++i) r.hi |= std::uint64_t{v[i] >= lo && v[i] <= hi} << (i - 64);
#else
    for (int i = 0; i < 100; ++i)
        if (v[i] >= lo && v[i] <= hi) r.加える(i);
#endif
    return r & 全桝;
}

inline constexpr 駒型 最小値 = -32768, 最大値 = 32767;

// The squares of the board where two board-sized arrays differ.
inline 桝集合 違う桝(const 盤型& a, const 盤型& b) {
    const 駒型* u = 桝の列(a);
    const 駒型* v = 桝の列(b);
    桝集合 r;
#if defined(__SSE2__)
    const auto bits = [&](int i) {
        const __m128i eq = _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(u + i)),
                                           _mm_loadu_si128(reinterpret_cast<const __m128i*>(v + i)));
        return static_cast<std::uint64_t>(~_mm_movemask_epi8(_mm_packs_epi16(eq, eq)) & 0xFF);
    };
    for (int i = 0; i < 64; i += 8) r.lo |= bits(i) << i;
    for (int i = 64; i < 96; i += 8) r.hi |= bits(i) << (i - 64);
    for (int i = 96; i < 100; ++i) r.hi |= std::uint64_t{u[i] != v[i]} << (i - 64);
#else
    for (int i = 0; i < 100; ++i)
        if (u[i] != v[i]) r.加える(i);
#endif
    return r & 全桝;
}

}  // namespace yukora
