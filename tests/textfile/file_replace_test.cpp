#include "textfile/file_replace.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "support/ordinary_user.h"
#include "support/temp_folder.h"

namespace yukora {

// Found by argument-dependent lookup, as the type is the library's.
[[maybe_unused]] static void PrintTo(一時ファイル方式 way, std::ostream* os) {
    *os << (way == 一時ファイル方式::名前なし ? "名前なしの一時ファイル"
                                              : "名前付きの一時ファイル");
}

namespace {

namespace fs = std::filesystem;

mode_t 権限(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

void 古くする(const std::string& path) {
    const timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 3600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

class ファイル置換試験 : public ::testing::TestWithParam<一時ファイル方式> {
protected:
    test::棋譜試験::一時フォルダ dir;
    int 置換(const std::string& name, const std::string& bytes, const std::string& sub = "") {
        return ファイル置換(sub.empty() ? dir.場所() : dir.中(sub), name, bytes, GetParam());
    }
};

INSTANTIATE_TEST_SUITE_P(方式, ファイル置換試験,
                         ::testing::Values(一時ファイル方式::名前なし, 一時ファイル方式::名前付き));

TEST_P(ファイル置換試験, 新しく書き置き換え権限を保ち何も残さない) {
    ASSERT_EQ(置換("a.棋譜", "one"), 0);
    EXPECT_EQ(dir.読む("a.棋譜"), "one");
    ASSERT_EQ(::chmod(dir.中("a.棋譜").c_str(), 0640), 0);
    ASSERT_EQ(置換("a.棋譜", "two"), 0);
    EXPECT_EQ(dir.読む("a.棋譜"), "two");
    EXPECT_EQ(権限(dir.中("a.棋譜")), 0640u);
    EXPECT_EQ(dir.一覧(), "a.棋譜");
}

TEST_P(ファイル置換試験, シンボリックリンクはたどって先を置き換えリンクは残す) {
    fs::create_directories(dir.中("real/deep"));
    dir.置く("real/deep/target.棋譜", "old");
    // A relative link into another folder, reached through a chain of two links.
    fs::create_symlink("real/deep/target.棋譜", dir.中("rel.棋譜"));
    fs::create_symlink(dir.中("rel.棋譜"), dir.中("abs.棋譜"));
    fs::create_symlink("new.棋譜", dir.中("real/dangling.棋譜"));
    const struct {
        std::string sub, name, target;
    } cases[] = {
        {"", "rel.棋譜", "real/deep/target.棋譜"},
        {"", "abs.棋譜", "real/deep/target.棋譜"},
        {"real", "dangling.棋譜", "real/new.棋譜"},  // the file the link names is made
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bytes = "through " + c.name;
        ASSERT_EQ(置換(c.name, bytes, c.sub), 0);
        const std::string link = c.sub.empty() ? dir.中(c.name) : dir.中(c.sub + "/" + c.name);
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(dir.読む(c.target), bytes);
    }
    EXPECT_EQ(dir.一覧(), "abs.棋譜 real rel.棋譜");
    EXPECT_EQ(fs::read_symlink(dir.中("rel.棋譜")), "real/deep/target.棋譜");
    std::vector<std::string> deep;
    for (const auto& e : fs::directory_iterator(dir.中("real/deep")))
        deep.push_back(e.path().filename());
    EXPECT_EQ(deep, std::vector<std::string>{"target.棋譜"});
}

TEST_P(ファイル置換試験, 循環するリンクとフォルダと特殊ファイルは置き換えない) {
    fs::create_symlink("b.棋譜", dir.中("a.棋譜"));
    fs::create_symlink("a.棋譜", dir.中("b.棋譜"));
    fs::create_directory(dir.中("folder.棋譜"));
    fs::create_symlink("folder.棋譜", dir.中("to-folder.棋譜"));
    ASSERT_EQ(::mkfifo(dir.中("pipe.棋譜").c_str(), 0600), 0);
    const struct {
        const char* name;
        int err;
    } cases[] = {
        {"a.棋譜", ELOOP},
        {"folder.棋譜", EISDIR},
        {"to-folder.棋譜", EISDIR},
        {"pipe.棋譜", 置換_ファイルでない},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(置換(c.name, "x"), c.err);
    }
    EXPECT_EQ(dir.一覧(), "a.棋譜 b.棋譜 folder.棋譜 pipe.棋譜 to-folder.棋譜");
    EXPECT_TRUE(fs::is_fifo(dir.中("pipe.棋譜")));
    EXPECT_EQ(書込エラー説明(ELOOP), "ﾘﾝｸをたどれません");
    EXPECT_EQ(書込エラー説明(置換_ファイルでない), "同じ名前の特殊ﾌｧｲﾙがあります");
}

TEST_P(ファイル置換試験, 書き込み禁止のファイルは書き込めるフォルダでも置き換えない) {
    dir.置く("kept.棋譜", "protected");
    fs::create_symlink("kept.棋譜", dir.中("link.棋譜"));
    ASSERT_EQ(::chmod(dir.中("kept.棋譜").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(dir.場所().c_str(), 0777), 0);  // renaming over it would work
    test::棋譜試験::一般利用者で確かめる([&] {
        return 置換("kept.棋譜", "new") == 置換_書込禁止 &&
               置換("link.棋譜", "new") == 置換_書込禁止;
    });
    EXPECT_EQ(置換("kept.棋譜", "new"), 置換_書込禁止);  // whoever runs the tests
    EXPECT_EQ(dir.読む("kept.棋譜"), "protected");
    EXPECT_EQ(権限(dir.中("kept.棋譜")), 0444u);
    EXPECT_EQ(dir.一覧(), "kept.棋譜 link.棋譜");
    EXPECT_EQ(書込エラー説明(置換_書込禁止), "ﾌｧｲﾙが書き込み禁止になっています");
}

TEST_P(ファイル置換試験, 前に残された一時ファイルは消し他のものは残す) {
    const std::string mine = 一時ファイル名("a.棋譜");
    const std::string other = 一時ファイル名("other.棋譜");
    for (const std::string& n :
         {mine, other, std::string(".yukora-Ab12Zq"), std::string(".yukora-young1"),
          std::string(".yukora-notes.txt"), std::string("yukora-Ab12Zq")})
        dir.置く(n, "left");
    fs::create_directory(dir.中(".yukora-dir123"));
    for (const std::string& n :
         {other, std::string(".yukora-Ab12Zq"), std::string(".yukora-notes.txt"),
          std::string("yukora-Ab12Zq"), std::string(".yukora-dir123")})
        古くする(dir.中(n));
    ASSERT_EQ(置換("a.棋譜", "new"), 0);
    // Gone: the file's own hidden name whatever its age, and old ones of ours. Kept: a save
    // that may still be running elsewhere (young), and names or things that are not ours.
    EXPECT_EQ(dir.一覧(), ".yukora-dir123 .yukora-notes.txt .yukora-young1 a.棋譜 yukora-Ab12Zq");
}

TEST(一時ファイル名, 隠しファイルで保存ごとに違い長い名前でも短い) {
    const std::string a = 一時ファイル名("a.棋譜"), again = 一時ファイル名("a.棋譜");
    EXPECT_NE(a, again);
    EXPECT_EQ(a.substr(0, 24), again.substr(0, 24));  // ".yukora-" and the name's hash
    EXPECT_NE(a.substr(0, 24), 一時ファイル名("b.棋譜").substr(0, 24));
    EXPECT_EQ(a.substr(0, 8), ".yukora-");
    EXPECT_LT(一時ファイル名(std::string(255, 'x')).size(), 64u);
}

// Two processes saving one file at once: every save succeeds, and the file is one of the two.
TEST_P(ファイル置換試験, 同時に保存しても一時ファイルがぶつからない) {
    const std::string A(50'000, 'a'), B(70'000, 'b');
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int failed = 0;
        for (int i = 0; i < 60; ++i)
            failed += ファイル置換(dir.場所(), "s.棋譜", A, GetParam()) != 0;
        ::_exit(failed);
    }
    int failed = 0;
    for (int i = 0; i < 60; ++i) failed += 置換("s.棋譜", B) != 0;
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string now = dir.読む("s.棋譜");
    EXPECT_TRUE(now == A || now == B);
    EXPECT_EQ(dir.一覧(), "s.棋譜");
}

// Saves over and over in a child process and kills it at moments spread over a save: the
// file is always whole (the old or the new contents), at most the killed save's hidden file
// is left, and the next save leaves nothing but the file.
TEST_P(ファイル置換試験, 途中で殺されても壊れず一時ファイルも溜まらない) {
    const std::string A(300'000, 'a'), B(200'000, 'b');
    ASSERT_EQ(置換("r.棋譜", A), 0);
    const std::string expected = "r.棋譜";
    for (int k = 0; k < 40; ++k) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) ファイル置換(dir.場所(), "r.棋譜", i % 2 ? A : B, GetParam());
        }
        std::this_thread::sleep_for(std::chrono::microseconds(300 + 997 * k % 9000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const std::string now = dir.読む("r.棋譜");
        EXPECT_TRUE(now == A || now == B) << "size " << now.size();
        // At most the hidden file of the save that was killed, which the next save removes.
        const std::string names = dir.一覧();
        const std::string hidden = 一時ファイル名("r.棋譜").substr(0, 24);
        EXPECT_TRUE(names == expected ||
                    (names.starts_with(hidden) && names.ends_with(" " + expected) &&
                     std::count(names.begin(), names.end(), ' ') == 1))
            << names;
    }
    ASSERT_EQ(置換("r.棋譜", B), 0);
    EXPECT_EQ(dir.一覧(), expected);
}

}  // namespace
}  // namespace yukora
