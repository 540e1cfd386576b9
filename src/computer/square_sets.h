// Sets of squares as bits of the flat offset s = 10 x + y (x, y in 1..9) of a board-sized
// array, so that a term can be counted over all squares at once, or scanned only where it can
// apply. Ascending bits are the scan order, x outer and y inner. Row 0 and column 0 of the
// flat layout separate the columns, so a shift by one row or one column never wraps onto the
// board: what it moves off the board lands outside 全桝.
#pragma once
#include <array>
#include <bit>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "game/pieces.h"

namespace yukora {

struct 桝集合 {
    std::uint64_t lo = 0, hi = 0;  // squares 0..63 and 64..127

    constexpr 桝集合 operator&(桝集合 o) const { return {lo & o.lo, hi & o.hi}; }
    constexpr 桝集合 operator|(桝集合 o) const { return {lo | o.lo, hi | o.hi}; }
    constexpr 桝集合 operator~() const { return {~lo, ~hi}; }
    constexpr bool 空か() const { return (lo | hi) == 0; }
    // Every square moved n on (<<: s + n) or back (>>: s - n), 0 < n < 64.
    constexpr 桝集合 operator<<(int n) const { return {lo << n, hi << n | lo >> (64 - n)}; }
    constexpr 桝集合 operator>>(int n) const { return {lo >> n | hi << (64 - n), hi >> n}; }
    constexpr void 加える(int s) {
        if (s < 64) lo |= std::uint64_t{1} << s;
        else hi |= std::uint64_t{1} << (s - 64);
    }
    constexpr int 数() const { return 数える(lo) + 数える(hi); }

private:
    static constexpr int 数える(std::uint64_t w) {
        w = w - ((w >> 1) & 0x5555555555555555u);
        w = (w & 0x3333333333333333u) + ((w >> 2) & 0x3333333333333333u);
        w = (w + (w >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
        return static_cast<int>((w * 0x0101010101010101u) >> 56);
    }
};

// The squares (x, y) with x in x0..x1 and y in y0..y1, clipped to the board.
constexpr 桝集合 四角(int x0, int x1, int y0, int y1) {
    桝集合 r;
    for (int x = x0 < 1 ? 1 : x0; x <= x1 && x <= 9; ++x)
        for (int y = y0 < 1 ? 1 : y0; y <= y1 && y <= 9; ++y) r.加える(10 * x + y);
    return r;
}

inline constexpr 桝集合 全桝 = 四角(1, 9, 1, 9);

// Rows y0..y1 of every column.
constexpr 桝集合 段(int y0, int y1) { return 四角(1, 9, y0, y1); }

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

#if defined(__SSE2__)
// Bits of the 16 squares from i (8 when i = 92, the last ones) where `in` gives all ones.
template <class F>
inline 桝集合 選ぶ(const 駒型* v, F in) {
    const auto load = [v](int i) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(v + i));
    };
    const auto bits = [&](int i) {
        return static_cast<std::uint64_t>(
            _mm_movemask_epi8(_mm_packs_epi16(in(load(i)), in(load(i + 8)))));
    };
    桝集合 r;
    r.lo = bits(0) | bits(16) << 16 | bits(32) << 32 | bits(48) << 48;
    r.hi = bits(64) | bits(80) << 16 |
           static_cast<std::uint64_t>(
               _mm_movemask_epi8(_mm_packs_epi16(in(load(92)), in(load(92)))) & 0xFF)
               << 28;
    return r & 全桝;
}
#endif

// The squares where a board-sized array holds at least k (-32767 <= k).
inline 桝集合 以上の桝(const 盤型& a, int k) {
#if defined(__SSE2__)
    const __m128i below = _mm_set1_epi16(static_cast<short>(k - 1));
    return 選ぶ(桝の列(a), [&](__m128i x) { return _mm_cmpgt_epi16(x, below); });
#else
    桝集合 r;
    for (int i = 0; i < 100; ++i)
        if (桝の列(a)[i] >= k) r.加える(i);
    return r & 全桝;
#endif
}

// The squares where a board-sized array holds at most k (k <= 32766).
inline 桝集合 以下の桝(const 盤型& a, int k) {
#if defined(__SSE2__)
    const __m128i above = _mm_set1_epi16(static_cast<short>(k + 1));
    return 選ぶ(桝の列(a), [&](__m128i x) { return _mm_cmplt_epi16(x, above); });
#else
    桝集合 r;
    for (int i = 0; i < 100; ++i)
        if (桝の列(a)[i] <= k) r.加える(i);
    return r & 全桝;
#endif
}

// The squares where a board-sized array holds exactly `value`.
inline 桝集合 値の桝(const 盤型& a, int value) {
#if defined(__SSE2__)
    const __m128i w = _mm_set1_epi16(static_cast<short>(value));
    return 選ぶ(桝の列(a), [&](__m128i x) { return _mm_cmpeq_epi16(x, w); });
#else
    桝集合 r;
    for (int i = 0; i < 100; ++i)
        if (桝の列(a)[i] == value) r.加える(i);
    return r & 全桝;
#endif
}

}  // namespace yukora
