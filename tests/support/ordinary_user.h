// Checks that depend on file permissions, which do not bind the superuser.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

namespace yukora::test::棋譜試験 {

// Runs `check` (true when it saw what it expected) with the rights of an ordinary user: as
// it is when the tests do not run as root, else in a child process that became "nobody".
template <class F>
void 一般利用者で確かめる(F check) {
    if (::geteuid() != 0) {
        EXPECT_TRUE(check());
        return;
    }
    EXPECT_EXIT(
        {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(2);
            std::_Exit(check() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace yukora::test::棋譜試験
