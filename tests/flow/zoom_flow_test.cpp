// The zoom through the game: taken from the settings before the first repaint, changed by the
// "表示倍率" items, shown by exactly one check mark.
#include <gtest/gtest.h>

#include "flow/flow_fakes.h"
#include "settings/settings_fakes.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

// Records each zoom with the number of drawing calls made before it.
class 倍率を記録する窓 final : public 表示倍率の窓 {
public:
    explicit 倍率を記録する窓(const test::表示試験::記録する画面& screen) : screen_(screen) {}
    std::vector<std::pair<int, std::size_t>> 受けた;
    int 初回 = 表示倍率_既定;
    void 表示倍率設定(int n) override { 受けた.emplace_back(n, screen_.呼出し.size()); }
    int 初回の表示倍率() const override { return 初回; }

private:
    const test::表示試験::記録する画面& screen_;
};

// Starts the game of `t` again with `window` as its zoom.
void 倍率窓で始め直す(試験台& t, 倍率を記録する窓& window) {
    t.menu.印.clear();
    t.screen.呼出し.clear();
    t.game =
        std::make_unique<ゲーム>(ゲームの窓口{t.screen, t.clock, t.timer, t.dialog, t.menu, t.panel,
                                              t.音, t.browser, t.version, nullptr, 0, &window});
    t.game->Form_Load(t.フォルダ);
}

std::vector<メニュー操作> 印の付いた倍率(const test::進行試験::記録するメニュー& menu) {
    std::vector<メニュー操作> out;
    for (const auto& [item, 倍率] : 倍率項目一覧)
        if (menu.印あり(item)) out.push_back(item);
    return out;
}

std::string 設定ファイル(const 試験台& t) {
    std::ifstream in(t.フォルダ / 環境設定ファイル名, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    return SJISから変換(bytes).value_or("?");
}

TEST(表示倍率, 設定ファイルがなければ窓の勧める倍率で最初の描画の前に始める) {
    試験台 t;
    std::filesystem::remove(t.フォルダ / 環境設定ファイル名);
    倍率を記録する窓 window(t.screen);
    window.初回 = 250;
    倍率窓で始め直す(t, window);
    ASSERT_EQ(window.受けた.size(), 1u);
    EXPECT_EQ(window.受けた[0].first, 250);
    // Only the settings' background tiles came before: the first repaint is drawn at 250 %.
    const std::size_t before = window.受けた[0].second;
    ASSERT_GT(before, 0u);
    ASSERT_LT(before, t.screen.呼出し.size());
    for (std::size_t i = 0; i < before; ++i)
        EXPECT_EQ(t.screen.呼出し[i].rfind("絵 HAIKEI_TAKE ", 0), 0u) << t.screen.呼出し[i];
    EXPECT_EQ(印の付いた倍率(t.menu), std::vector<メニュー操作>{メニュー操作::BAIRITU250});
    EXPECT_NE(設定ファイル(t).find("BGM=OFF\r\n表示倍率=250\r\n"), std::string::npos);
}

TEST(表示倍率, 倍率の行のない設定ファイルは百で始める) {
    試験台 t;  // its settings file was written without a zoom window: 100 %
    std::ofstream(t.フォルダ / 環境設定ファイル名, std::ios::binary)
        << *SJISへ変換("背景画=畳\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n");
    倍率を記録する窓 window(t.screen);
    window.初回 = 300;
    倍率窓で始め直す(t, window);
    ASSERT_EQ(window.受けた.size(), 1u);
    EXPECT_EQ(window.受けた[0].first, 100);
    EXPECT_EQ(印の付いた倍率(t.menu), std::vector<メニュー操作>{メニュー操作::BAIRITU100});
}

TEST(表示倍率, 項目を選ぶとその一つに印が付き窓が倍率を変えファイルに残る) {
    試験台 t;
    倍率を記録する窓 window(t.screen);
    倍率窓で始め直す(t, window);
    for (const auto& [item, 倍率] : 倍率項目一覧) {
        SCOPED_TRACE(操作名(item));
        t.screen.呼出し.clear();
        t.game->メニュー選択(item);
        EXPECT_EQ(window.受けた.back().first, 倍率);
        EXPECT_EQ(印の付いた倍率(t.menu), std::vector<メニュー操作>{item});
        EXPECT_EQ(t.st().設定.印.表示倍率, 倍率);
        const std::string 値 = 倍率 == 0 ? "合わせる" : std::to_string(倍率);
        EXPECT_EQ(設定ファイル(t),
                  "背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n表示倍率=" + 値 +
                      "\r\n勢力表示=OFF\r\n");
        // The game draws nothing itself: the window redraws what it shows at the new size.
        EXPECT_TRUE(t.screen.呼出し.empty());
    }
    EXPECT_EQ(window.受けた.size(), 1u + 倍率項目一覧.size());
}

TEST(表示倍率, 倍率の窓がなくても選んだ倍率はファイルに残る) {
    試験台 t;
    t.game->メニュー選択(メニュー操作::BAIRITU200);
    EXPECT_EQ(印の付いた倍率(t.menu), std::vector<メニュー操作>{メニュー操作::BAIRITU200});
    EXPECT_NE(設定ファイル(t).find("表示倍率=200\r\n"), std::string::npos);
}

}  // namespace
}  // namespace yukora
