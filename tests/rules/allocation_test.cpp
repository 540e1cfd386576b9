// The hot paths allocate nothing: count operator new around them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "influence/survey.h"
#include "rules/mate.h"
#include "rules/move_legality.h"
#include "support/board_fixtures.h"

namespace {
bool g_counting = false;
long g_allocations = 0;
}  // namespace

void* operator new(std::size_t n) {
    if (g_counting) ++g_allocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace yukora {
namespace {

TEST(割り当て, 移動チェックと勢力調査と詰めかMANはヒープを使わない) {
    局面 p = test::盤面(R"(
        k . . . . . . . .
        . r . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . .+b . . . . .
        . . . . . . . . .
        . . L . p . . . .
        . . . . g . . B .
        . . . . K . . . .
    )",
                        "2P");
    勢力地図 m;
    int allowed = 0;
    g_allocations = 0;
    g_counting = true;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            for (int u = 1; u <= 9; ++u)
                for (int v = 1; v <= 9; ++v) allowed += 移動チェック(p, x, y, u, v, p.盤[x][y]);
    勢力調査(p, m);
    const int mate = 詰めかMAN(p, m);
    g_counting = false;
    EXPECT_EQ(g_allocations, 0);
    EXPECT_GT(allowed, 0);
    EXPECT_EQ(mate, 1);
    // The counter itself works.
    g_counting = true;
    void* (*volatile allocate)(std::size_t) = &::operator new;
    void* probe = allocate(16);
    g_counting = false;
    ::operator delete(probe);
    EXPECT_EQ(g_allocations, 1);
}

}  // namespace
}  // namespace yukora
