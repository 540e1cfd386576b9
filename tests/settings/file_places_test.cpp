#include "settings/file_places.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <set>

#include "support/temp_folder.h"

namespace yukora {
namespace {

namespace fs = std::filesystem;

// A file system of a few folders: the ones listed exist, and those that hold the data.
struct 架空の木 {
    std::set<fs::path> フォルダ;
    std::set<fs::path> データ入り;

    置き場 決める(const 起動の様子& s) const {
        return 置き場を決める(
            s, [this](const fs::path& p) { return データ入り.count(p) > 0; },
            [this](const fs::path& p) { return フォルダ.count(p) > 0; });
    }
};

起動の様子 導入した様子() {
    起動の様子 s;
    s.実行フォルダ = "/usr/bin";
    s.現在フォルダ = "/tmp/work";
    s.ホーム = "/home/taro";
    s.文書フォルダ = "/home/taro/Documents";
    return s;
}

TEST(置き場, 導入していなければ今のフォルダか実行フォルダにすべて置く) {
    struct 例 {
        fs::path 実行;
        std::set<fs::path> データ入り;
        fs::path ここ;        // data, settings, records
        fs::path ライブラリ;  // beside the executable, as ever
    };
    const 例 rows[] = {
        // ./run.sh: the current folder is the run folder.
        {"/src/build/run", {"/src/build/run"}, "/src/build/run", "/src/build/run"},
        // Started by its path from elsewhere: everything beside the program.
        {"/src/build/run", {"/src/build/run", "/src"}, "/src/build/run", "/src/build/run"},
        // Started in a copy of the run folder's data: that folder, as before.
        {"/src/build/run", {"/src/build/run", "/tmp/work"}, "/tmp/work", "/src/build/run"},
        // The executable unknown: the current folder.
        {"", {}, "/tmp/work", "/tmp/work"},
    };
    for (const 例& r : rows) {
        起動の様子 s = 導入した様子();
        s.実行フォルダ = r.実行;
        const 置き場 p = 架空の木{{}, r.データ入り}.決める(s);
        EXPECT_FALSE(p.導入済) << r.実行;
        EXPECT_EQ(p.ライブラリ, r.ライブラリ) << r.実行;
        for (const fs::path& f : {p.データ, p.設定, p.棋譜}) EXPECT_EQ(f, r.ここ) << r.実行;
    }
}

TEST(置き場, 導入先では今のフォルダにデータがあっても使わない) {
    const 置き場 p = 架空の木{{"/home/taro"}, {"/tmp/work"}}.決める(導入した様子());
    EXPECT_TRUE(p.導入済);
    EXPECT_EQ(p.データ, "/usr/share/yukora-shogi");
    EXPECT_EQ(p.設定, "/home/taro/.config/yukora-shogi");
}

TEST(置き場, 導入先ではデータとライブラリが実行ファイルからの相対位置) {
    struct 例 {
        fs::path 実行;
        fs::path データ相対;
        fs::path ライブラリ相対;
        fs::path データ;
        fs::path ライブラリ;
    };
    const 例 rows[] = {
        {"/usr/bin", "../share/yukora-shogi", "../lib/yukora-shogi", "/usr/share/yukora-shogi",
         "/usr/lib/yukora-shogi"},
        {"/home/taro/.local/bin", "../share/yukora-shogi", "../lib/x86_64-linux-gnu/yukora-shogi",
         "/home/taro/.local/share/yukora-shogi",
         "/home/taro/.local/lib/x86_64-linux-gnu/yukora-shogi"},
        {"/opt/y/games", "../../y/data", "../lib/y", "/opt/y/data", "/opt/y/lib/y"},
    };
    for (const 例& r : rows) {
        起動の様子 s = 導入した様子();
        s.実行フォルダ = r.実行;
        s.データの相対位置 = r.データ相対;
        s.ライブラリの相対位置 = r.ライブラリ相対;
        const 置き場 p = 架空の木{}.決める(s);
        EXPECT_TRUE(p.導入済) << r.実行;
        EXPECT_EQ(p.データ, r.データ) << r.実行;
        EXPECT_EQ(p.ライブラリ, r.ライブラリ) << r.実行;
    }
}

TEST(置き場, 導入先の設定はXDGの設定フォルダ) {
    struct 例 {
        const char* xdg;
        const char* home;
        fs::path 設定;
    };
    const 例 rows[] = {
        {"/home/taro/conf", "/home/taro", "/home/taro/conf/yukora-shogi"},
        {"", "/home/taro", "/home/taro/.config/yukora-shogi"},
        {"conf", "/home/taro", "/home/taro/.config/yukora-shogi"},  // relative: ignored
        {"", "/root", "/root/.config/yukora-shogi"},
        {"/xdg", "", "/xdg/yukora-shogi"},
        {"", "", "/dev/null"},      // no home at all: nowhere
        {"", "taro", "/dev/null"},  // a relative home is no home
    };
    for (const 例& r : rows) {
        起動の様子 s = 導入した様子();
        s.XDG_CONFIG_HOME = r.xdg;
        s.ホーム = r.home;
        EXPECT_EQ(架空の木{}.決める(s).設定, r.設定) << r.xdg << " " << r.home;
    }
}

TEST(置き場, 利用者のデータは導入先ではXDGのデータフォルダで実行フォルダではそこ) {
    const struct {
        fs::path 実行;
        const char* xdg;
        const char* home;
        fs::path データ;
    } rows[] = {
        {"/usr/games", "/home/taro/data", "/home/taro", "/home/taro/data/yukora-shogi"},
        {"/usr/games", "", "/home/taro", "/home/taro/.local/share/yukora-shogi"},
        {"/usr/games", "data", "/home/taro", "/home/taro/.local/share/yukora-shogi"},
        {"/usr/games", "", "", "/dev/null"},
        {"/src/build/run", "/home/taro/data", "/home/taro", "/src/build/run"},
    };
    for (const auto& r : rows) {
        起動の様子 s = 導入した様子();
        s.実行フォルダ = r.実行;
        s.XDG_DATA_HOME = r.xdg;
        s.ホーム = r.home;
        EXPECT_EQ((架空の木{{}, {"/src/build/run"}}.決める(s).利用者データ), r.データ)
            << r.実行 << r.xdg;
    }
}

TEST(置き場, 導入先の棋譜は文書フォルダかホームか今のフォルダ) {
    struct 例 {
        std::set<fs::path> ある;
        const char* 文書;
        const char* home;
        fs::path 棋譜;
    };
    const 例 rows[] = {
        {{"/home/taro", "/home/taro/Documents"},
         "/home/taro/Documents",
         "/home/taro",
         "/home/taro/Documents"},
        {{"/home/taro"}, "/home/taro/Documents", "/home/taro", "/home/taro"},
        {{"/home/taro"}, "", "/home/taro", "/home/taro"},
        {{}, "/home/taro/Documents", "/home/taro", "/tmp/work"},  // home missing
        {{"/home/taro"}, "", "", "/tmp/work"},
    };
    for (const 例& r : rows) {
        起動の様子 s = 導入した様子();
        s.文書フォルダ = r.文書;
        s.ホーム = r.home;
        EXPECT_EQ((架空の木{r.ある, {}}.決める(s).棋譜), r.棋譜) << r.文書 << " " << r.home;
    }
}

TEST(置き場, 導入先では実行フォルダの中に何も置かない) {
    const 置き場 p = 架空の木{{"/home/taro"}, {}}.決める(導入した様子());
    for (const fs::path& f : {p.データ, p.ライブラリ, p.設定, p.棋譜}) {
        const fs::path rel = f.lexically_relative("/usr/bin");
        EXPECT_TRUE(!rel.empty() && *rel.begin() == "..") << f;
    }
}

TEST(置き場, この実行の様子は実行ファイルと環境から) {
    const char* old = std::getenv("HOME");
    const std::string saved = old != nullptr ? old : "";
    ::setenv("HOME", "/somewhere/taro", 1);
    const 起動の様子 a = 起動の様子を調べる();
    ::unsetenv("HOME");
    const 起動の様子 b = 起動の様子を調べる();
    if (old != nullptr) ::setenv("HOME", saved.c_str(), 1);
    EXPECT_EQ(a.ホーム, "/somewhere/taro");
    EXPECT_TRUE(fs::path(b.ホーム).is_absolute()) << b.ホーム;  // from the password file
    EXPECT_TRUE(fs::is_directory(a.実行フォルダ)) << a.実行フォルダ;
    EXPECT_EQ(a.現在フォルダ, fs::current_path());
}

class 設定フォルダ用意 : public ::testing::Test {
protected:
    test::棋譜試験::一時フォルダ dir;
    置き場 導入(const fs::path& 設定) { return {"/d", "/l", 設定, "/r", true}; }
};

TEST_F(設定フォルダ用意, 足りないフォルダを所有者だけのものとして作る) {
    const fs::path target = fs::path(dir.場所()) / "config" / "yukora-shogi";
    ASSERT_TRUE(設定フォルダを用意(導入(target)));
    for (const fs::path& f : {target.parent_path(), target}) {
        struct stat st {};
        ASSERT_EQ(::stat(f.c_str(), &st), 0) << f;
        EXPECT_EQ(st.st_mode & 0777, 0700u) << f;
    }
    EXPECT_TRUE(設定フォルダを用意(導入(target)));  // already there
}

TEST_F(設定フォルダ用意, 作れない場所では失敗を返すだけ) {
    EXPECT_FALSE(設定フォルダを用意(導入(fs::path(置けない場所) / "x")));
    EXPECT_FALSE(設定フォルダを用意(導入(置けない場所)));
    const fs::path file = fs::path(dir.場所()) / "file";
    dir.置く("file", "x");
    EXPECT_FALSE(設定フォルダを用意(導入(file / "yukora-shogi")));
}

TEST_F(設定フォルダ用意, 実行フォルダで動くときは何も作らない) {
    const fs::path target = fs::path(dir.場所()) / "never";
    EXPECT_TRUE(設定フォルダを用意({target, target, target, target, false}));
    EXPECT_FALSE(fs::exists(target));
}

}  // namespace
}  // namespace yukora
