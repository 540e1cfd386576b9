// The engine dialog and a whole engine game in the window, with yukora-usi as the engine.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSpinBox>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/engines_ini.h"
#include "message_boxes.h"
#include "support/temp_folder.h"
#include "window/app.h"
#include "window/engine_dialog.h"

namespace yukora::window {
namespace {

template <class F>
bool 待つ(F done, int ms = 120'000) {
    const QDeadlineTimer guard(ms);
    while (!done()) {
        if (guard.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

std::string 中身(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(エンジン設定画面, 追加で名前と選択肢を読み変えた値だけを残し削除で消す) {
    test::棋譜試験::一時フォルダ dir;
    エンジン墓場 graveyard;
    {
        エンジン設定画面 d(dir.場所(), graveyard);
        d.ファイルを選ぶ = [] { return QStringLiteral(YUKORA_USI_PATH); };
        d.追加();
        ASSERT_TRUE(待つ([&] { return !d.問い合わせ中(); }));
        ASSERT_EQ(d.一覧()->count(), 1);
        EXPECT_TRUE(d.一覧()->item(0)->text().startsWith(QStringLiteral("Yukora将棋1 / ")));
        auto* level = qobject_cast<QSpinBox*>(d.選択肢()->部品("Level"));
        ASSERT_NE(level, nullptr);
        EXPECT_EQ(level->minimum(), 1);
        EXPECT_EQ(level->maximum(), 3);
        EXPECT_EQ(level->value(), 3);
        level->setValue(2);
        d.秒読み()->setValue(3);
        ASSERT_TRUE(d.保存());
    }
    const std::string ini = dir.読む("engines.ini");
    EXPECT_NE(ini.find("path=" YUKORA_USI_PATH "\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("option.Level=2\n"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("option.MultiPV"), std::string::npos) << ini;
    EXPECT_NE(ini.find("byoyomi=3\n"), std::string::npos) << ini;
    {
        エンジン設定画面 d(dir.場所(), graveyard);
        ASSERT_TRUE(待つ([&] { return d.選択肢()->部品("Level") != nullptr; }));
        EXPECT_EQ(qobject_cast<QSpinBox*>(d.選択肢()->部品("Level"))->value(), 2);
        d.削除();
        EXPECT_EQ(d.一覧()->count(), 0);
        ASSERT_TRUE(d.保存());
    }
    EXPECT_TRUE(読込_エンジン設定(dir.場所()).一覧.empty());
    EXPECT_TRUE(待つ([&] { return graveyard.残り() == 0; }));
}

// Two yukora-usi at different levels play each other through the window's own menu until the
// game ends by itself; the record is saved as KIF and names both.
TEST(エンジン対局の窓, yukoraUSI同士が最後まで指し棋譜に残る) {
    箱を閉じる boxes;
    test::棋譜試験::一時フォルダ dir;
    エンジン設定 s;
    s.一覧.push_back({1, "強い", "", YUKORA_USI_PATH, {}});
    s.一覧.push_back({2, "弱い", "", YUKORA_USI_PATH, {{"Level", "1"}}});
    s.対局エンジン = 1;
    s.相手エンジン = 2;
    s.時間 = {0, 3, 0};
    ASSERT_EQ(書込_エンジン設定(dir.場所(), s), 0);
    {
        窓アプリ app(1.0, std::filesystem::path(dir.場所()), std::make_unique<無音ライブラリ>());
        app.開始();
        app.窓().項目("ENGINE_BOTH")->trigger();
        const エンジン対局* g = app.対局().エンジン対局部();
        ASSERT_NE(g, nullptr);
        ASSERT_TRUE(待つ([&] { return g->終わった && boxes.文言.size() > 0; }));
        EXPECT_NE(g->終局, 終局理由::中断) << boxes.文言.back();
        EXPECT_GT(app.進行().数.手数, 10);
        EXPECT_EQ(g->指し手.size(), static_cast<std::size_t>(app.進行().数.手数));
        app.対局().KIF_WRITE_Click();
        app.棋譜パネル().文字列設定(棋譜欄::Text1, "engines.kifu");
        app.対局().Command1_Click();
    }
    const std::string kif = 中身(dir.中("engines.kifu"));
    EXPECT_NE(kif.find("先手：強い"), std::string::npos) << kif;
    EXPECT_NE(kif.find("後手：弱い"), std::string::npos) << kif;
    EXPECT_NE(kif.find("まで"), std::string::npos) << kif;
}

}  // namespace
}  // namespace yukora::window
