#include "help/help_page.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace yukora {
namespace {

namespace fs = std::filesystem;

class 記録ブラウザ final : public ブラウザ {
public:
    bool 起動できる = true;
    std::vector<std::string> アドレス;
    bool 表示(const std::string& address) override {
        アドレス.push_back(address);
        return 起動できる;
    }
};

class 記録ダイアログ final : public ダイアログ {
public:
    std::vector<std::string> 文, 題;
    void メッセージ(const std::string& text, const std::string& title) override {
        文.push_back(text);
        題.push_back(title);
    }
    bool 質問(const std::string&, const std::string&) override { return true; }
};

// A start-up folder with a space and kanji in its name, holding the help page.
class 起動フォルダ : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("yukora help " + std::to_string(::getpid())) / "将棋";
        fs::create_directories(folder_);
        std::ofstream(folder_ / "Yukora将棋1.htm") << "<html></html>";
    }
    void TearDown() override { fs::remove_all(folder_.parent_path()); }

    std::string 期待URL(const std::string& fragment = "") const {
        std::string url = "file://";
        for (const char c : folder_.parent_path().parent_path().string()) url += c;
        url += "/yukora%20help%20" + std::to_string(::getpid()) +
               "/%E5%B0%86%E6%A3%8B/Yukora%E5%B0%86%E6%A3%8B1.htm";
        if (!fragment.empty()) url += "#" + fragment;
        return url;
    }

    fs::path folder_;
    記録ブラウザ browser_;
    記録ダイアログ dialog_;
};

TEST_F(起動フォルダ, 解説はヘルプページの絶対アドレスを開く) {
    KAISETU_Click(browser_, dialog_, folder_);
    ASSERT_EQ(browser_.アドレス.size(), 1u);
    EXPECT_EQ(browser_.アドレス[0], 期待URL());
    EXPECT_TRUE(dialog_.文.empty());
}

TEST_F(起動フォルダ, 後でカレントフォルダが変わっても起動時のフォルダを開く) {
    const fs::path before = fs::current_path();
    fs::current_path(fs::temp_directory_path());
    KAISETU_Click(browser_, dialog_, folder_);
    fs::current_path(before);
    ASSERT_EQ(browser_.アドレス.size(), 1u);
    EXPECT_EQ(browser_.アドレス[0], 期待URL());
}

TEST_F(起動フォルダ, ホームページはヘルプページのこのプログラムについての節) {
    ホームページ表示(browser_, dialog_, folder_);
    ASSERT_EQ(browser_.アドレス.size(), 1u);
    EXPECT_EQ(browser_.アドレス[0], 期待URL("about"));
}

TEST_F(起動フォルダ, ブラウザで表示できなければファイル名を添えて知らせる) {
    browser_.起動できる = false;
    KAISETU_Click(browser_, dialog_, folder_);
    ホームページ表示(browser_, dialog_, folder_);
    const std::string 期待 = "ﾌﾞﾗｳｻﾞで表示できません\n\n次のﾌｧｲﾙをﾌﾞﾗｳｻﾞで開いて下さい\n" +
                             (folder_ / "Yukora将棋1.htm").string();
    EXPECT_EQ(dialog_.文, (std::vector<std::string>{期待, 期待}));
    EXPECT_EQ(dialog_.題, (std::vector<std::string>{"解説", "ホームページ"}));
}

TEST_F(起動フォルダ, ヘルプページが無ければブラウザを呼ばずに知らせる) {
    fs::remove(folder_ / "Yukora将棋1.htm");
    KAISETU_Click(browser_, dialog_, folder_);
    EXPECT_TRUE(browser_.アドレス.empty());
    ASSERT_EQ(dialog_.文.size(), 1u);
    EXPECT_NE(dialog_.文[0].find("解説ファイルが見つかりません。"), std::string::npos);
}

TEST(変換_ファイルURL, 相対パスは絶対にし記号は符号化する) {
    const std::string url = 変換_ファイルURL("a#b%c?.htm");
    EXPECT_EQ(url.rfind("file:///", 0), 0u);
    EXPECT_EQ(url.substr(url.size() - 17), "/a%23b%25c%3F.htm");
    EXPECT_EQ(url.find(' '), std::string::npos);
    EXPECT_EQ(変換_ファイルURL("/x/y.htm", "about"), "file:///x/y.htm#about");
}

}  // namespace
}  // namespace yukora
