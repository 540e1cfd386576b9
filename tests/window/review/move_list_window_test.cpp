// The move list and graph beside the board in the running program: where they show, what a
// click on them does, and that a jump leaves the window as the same steps would.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <filesystem>

#include "window/app.h"
#include "window/message_boxes.h"

namespace yukora::window {
namespace {

namespace fs = std::filesystem;

// A program started in a fresh folder that holds the real game's CSA record, already loaded.
std::unique_ptr<窓アプリ> 実戦を読んだ窓() {
    char pattern[] = "/tmp/yukora-review-XXXXXX";
    const fs::path folder = mkdtemp(pattern);
    fs::copy_file(fs::path(GAMES_DIR) / "real-game-1.csa", folder / "実戦.csa");
    auto app = std::make_unique<窓アプリ>(1.0, folder, std::make_unique<無音ライブラリ>());
    app->開始();
    app->対局().File1_Click("実戦.csa");
    return app;
}

int 選ばれた行(窓アプリ& app) {
    const auto rows = app.窓().側板().表().selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().row() : -1;
}

TEST(棋譜リスト窓, 盤の右に出て行をクリックするとその局面) {
    箱を閉じる boxes;
    const auto app = 実戦を読んだ窓();
    const QSize before = app->窓().size(), canvas = app->窓().キャンバス().size();
    ASSERT_TRUE(app->窓().側板().isHidden());
    app->窓().項目("KIFULIST")->trigger();
    棋譜側板& side = app->窓().側板();
    ASSERT_TRUE(side.isVisibleTo(&app->窓()));
    EXPECT_EQ(app->窓().size(), before + QSize(側板の幅, 0));
    EXPECT_EQ(app->窓().キャンバス().size(), canvas) << "the board keeps its size";
    app->窓().配置し直す();
    EXPECT_GT(side.x(), app->窓().キャンバス().x());
    EXPECT_EQ(side.表().rowCount(), 101);
    EXPECT_EQ(side.表().item(2, 1)->text().toStdString(), "△３四歩(33)");
    EXPECT_EQ(選ばれた行(*app), 0);

    const struct {
        const char* 操作;
        std::function<void()> する;
        int 行;
    } 場合[] = {
        {"a click on row 5", [&] { emit side.表().cellClicked(5, 1); }, 5},
        {"→",
         [&] {
             QKeyEvent e(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
             QApplication::sendEvent(&app->窓().キャンバス(), &e);
         },
         6},
        {"End",
         [&] {
             QKeyEvent e(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
             QApplication::sendEvent(&app->窓().キャンバス(), &e);
         },
         100},
        {"戻", [&] { app->窓().項目("REPLAY")->trigger(); }, 99},
    };
    for (const auto& c : 場合) {
        c.する();
        EXPECT_EQ(app->進行().数.手順番号, c.行) << c.操作;
        EXPECT_EQ(選ばれた行(*app), c.行) << c.操作;
    }
    app->窓().項目("KIFULIST")->trigger();
    EXPECT_TRUE(side.isHidden());
    EXPECT_EQ(app->窓().size(), before);
}

// Within one program: two programs draw their pieces a shade apart.
TEST(棋譜リスト窓, 飛んだ絵は同じ数の戻と進の絵) {
    箱を閉じる boxes;
    const auto app = 実戦を読んだ窓();
    for (const int to : {38, 13}) {
        const int from = app->進行().数.手順番号;
        const char* item = from < to ? "AFTER" : "REPLAY";
        while (app->進行().数.手順番号 != to) app->窓().項目(item)->trigger();
        const QImage stepped = app->画像().画像().copy();
        app->対局().手順選択(from);
        app->対局().手順選択(to);
        EXPECT_TRUE(app->画像().画像() == stepped) << to;
    }
}

TEST(形勢グラフ窓, 点をクリックするとその手) {
    箱を閉じる boxes;
    const auto app = 実戦を読んだ窓();
    app->窓().項目("KEISEI")->trigger();
    形勢グラフ部品& graph = app->窓().側板().グラフ();
    ASSERT_TRUE(graph.isVisibleTo(&app->窓()));
    ASSERT_EQ(graph.点().size(), 101u);
    EXPECT_EQ(近い点(graph.width() / 2.0, graph.width(), 101), 50);
    if (graph.点選択) graph.点選択(50);
    EXPECT_EQ(app->進行().数.手順番号, 50);
}

}  // namespace
}  // namespace yukora::window
