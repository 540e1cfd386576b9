// The window at each zoom: one size however the zoom was reached, only the zooms that fit the
// screen offered, one seamless background, boxes and menus that grow with the board.
#include "window/window_size.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "display/display.h"
#include "settings/settings_state.h"
#include "window/message_boxes.h"
#include "window/zoom_support.h"
#include "window/zoomed_text.h"

namespace yukora::window {
namespace {

TEST(窓の大きさ, 倍率ごとにどこから来ても同じ大きさでそれより小さくならない) {
    for (const int z : 表示倍率一覧) {
        SCOPED_TRACE(z);
        const std::string item = "BAIRITU" + std::to_string(z);
        auto 起動時 = 始める(std::to_string(z)), 百から = 始める("100"), 三百から = 始める("300"),
             合わせるから = 始める("合わせる");
        for (auto* app : {百から.get(), 三百から.get(), 合わせるから.get()})
            app->窓().項目(item)->trigger();
        for (auto* app : {起動時.get(), 百から.get(), 三百から.get(), 合わせるから.get()}) {
            主窓& w = app->窓();
            EXPECT_EQ(w.size(), 窓の中の大きさ(z));
            EXPECT_EQ(w.キャンバス().size(), w.size() - QSize(0, w.menuBar()->height()));
            w.resize(w.size() / 2);  // dragged smaller: it stays whole
            EXPECT_EQ(w.size(), 窓の中の大きさ(z));
        }
    }
    EXPECT_EQ(窓の中の大きさ(100), QSize(653, 533));
}

TEST(窓の大きさ, 収まらない倍率は選べず保存した倍率も収まる大きさに下がる) {
    // Screen 0 holds every zoom; screen 1 is 1280 × 1024.
    const struct {
        int 画面;
        const char *保存, *印;
        int 選べる最大;
    } cases[] = {{0, "300", "BAIRITU300", 300},
                 {1, "300", "BAIRITU150", 150},
                 {1, "125", "BAIRITU125", 150},
                 {1, "合わせる", "AWASERU", 150}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.画面) + " " + c.保存);
        auto app = 始める(c.保存, QGuiApplication::screens().at(c.画面));
        主窓& w = app->窓();
        EXPECT_TRUE(w.印あり(c.印));
        for (const int z : 表示倍率一覧)
            EXPECT_EQ(w.項目("BAIRITU" + std::to_string(z))->isEnabled(), z <= c.選べる最大) << z;
        EXPECT_TRUE(w.screen()->availableGeometry().contains(w.frameGeometry()));
        w.項目("BAIRITU300")->trigger();
        EXPECT_EQ(w.印あり("BAIRITU300"), c.選べる最大 == 300);
    }
    // The frame counts: 1280 × 1024 less a panel; a title bar of 25 pixels.
    EXPECT_EQ(収まる倍率(300, {2, 25}, {1280, 994}), 150);
    EXPECT_EQ(収まる倍率(300, {2, 25}, {2000, 1599}), 250);
}

TEST(窓の大きさ, 描き直した背景はどの大きさでも周りの敷き詰めと一続き) {
    // The first step after `x` at which one period of `p` pixels takes it to `to` or past.
    const auto 先 = [](int x, int to, int p) { return x + (to - x + p - 1) / p * p; };
    for (const QSize size : {QSize(800, 881), QSize(1200, 800), QSize(1400, 700)}) {
        SCOPED_TRACE(size.width());
        auto app = 始める("合わせる");
        大きさを変える(app->窓(), size);
        // The background alone, then tiles laid again as a game does, around the move number,
        // the notice, the band below the board.
        表示& view = app->表示部();
        const int 背景 = view.状態.背景画番号;
        view.描画_背景(背景);
        const QImage before = app->画像().画像().copy();
        for (const auto& [x, y] : {std::pair{13, 3}, {14, 3}, {-2, 8}, {-1, 8}, {0, 10}, {20, 10}})
            view.描画_絵(背景, x, y);
        EXPECT_EQ(違い(app->画像().画像(), before), "");
        // Around the image the canvas goes on with the same tiling: a whole number of periods
        // further in, the top row and the left column show the same pixels.
        const QImage shown = app->窓().キャンバス().grab().toImage();
        const QPoint o = app->窓().キャンバス().原点().toPoint();
        const QSize p = app->画像().模様(絵番号(背景)).周期();
        for (int x = 0; x < o.x(); ++x)
            ASSERT_EQ(shown.pixel(x, 2), shown.pixel(先(x, o.x(), p.width()), 2)) << x;
        for (int y = 0; y < o.y(); ++y)
            ASSERT_EQ(shown.pixel(1, y), shown.pixel(1, 先(y, o.y(), p.height()))) << y;
    }
}

TEST(窓の大きさ, 箱とメニューの文字は倍率とともに大きくなり箱は題より狭くならない) {
    auto 百 = 始める("100"), 三百 = 始める("300");
    const auto 大きさ = [](const QFont& f) { return QFontInfo(f).pixelSize(); };
    for (QWidget* w : {static_cast<QWidget*>(三百->窓().menuBar()),
                       static_cast<QWidget*>(三百->窓().項目("TAIKYOKU")->menu())})
        EXPECT_NEAR(大きさ(w->font()), 3 * 大きさ(百->窓().menuBar()->font()), 1)
            << w->objectName().toStdString();
    for (const char* title : {"ヒント", "詰め ?", "対局", " "}) {
        箱を閉じる boxes;
        百->ダイアログ().メッセージ("7六歩", title);
        三百->ダイアログ().メッセージ("7六歩", title);
        ASSERT_EQ(boxes.箱.size(), 2u);
        const 箱の中身 &small = boxes.箱[0], &large = boxes.箱[1];
        EXPECT_NEAR(大きさ(large.書体), 3 * 大きさ(small.書体), 1) << title;
        for (const 箱の中身& b : boxes.箱)
            EXPECT_GE(b.幅, 題に要る幅(QString::fromUtf8(title), b.書体)) << title;
        EXPECT_GE(large.幅, small.幅 * 2) << title;
    }
}

}  // namespace
}  // namespace yukora::window
