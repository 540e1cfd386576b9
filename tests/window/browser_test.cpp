// The browser through the desktop's opener: its exit status tells whether the page is shown.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "window/qt_browser.h"

namespace yukora::window {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class 開く役 : public ::testing::Test {
protected:
    // A shell script standing in for xdg-open.
    std::string 台本(const std::string& name, const std::string& body) {
        const fs::path file = 根 / name;
        std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
        ::chmod(file.c_str(), 0755);
        return file.string();
    }
    QTemporaryDir tmp;
    fs::path 根{tmp.path().toStdString()};
};

TEST_F(開く役, 終了状態で表示できたかを知る) {
    // Openers that end are waited for, however long a busy machine takes to run them; the
    // foreground one runs until the test's folder goes, so its grace time always runs out first.
    struct 例 {
        const char* 名;
        std::string opener;
        std::chrono::milliseconds 猶予;
        bool 表示;
    };
    const 例 例一覧[] = {
        {"opens", 台本("opens", "exit 0"), 1h, true},
        {"no browser", 台本("nobrowser", "echo 'no method available' >&2; exit 3"), 1h, false},
        {"killed", 台本("killed", "kill -9 $$"), 1h, false},
        {"missing", (根 / "none" / "xdg-open").string(), 1h, false},
        // Still running after its grace time: a browser in the foreground.
        {"foreground",
         台本("foreground", "while [ -d '" + 根.string() + "' ]; do sleep 0.05; done"), 200ms,
         true},
    };
    for (const auto& e : 例一覧) {
        Qtブラウザ browser(e.opener, e.猶予);
        EXPECT_EQ(browser.表示("file:///tmp/Yukora%E5%B0%86%E6%A3%8B1.htm"), e.表示) << e.名;
    }
}

TEST_F(開く役, アドレスをそのまま一つの引数で渡す) {
    const std::string opener =
        台本("record", "printf '%s|%s' \"$#\" \"$1\" > \"$(dirname \"$0\")/got\"");
    Qtブラウザ browser(opener);
    const std::string address = "file:///tmp/a%20b/Yukora%E5%B0%86%E6%A3%8B1.htm#about";
    ASSERT_TRUE(browser.表示(address));
    std::ifstream in(根 / "got");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "1|" + address);
}

}  // namespace
}  // namespace yukora::window
