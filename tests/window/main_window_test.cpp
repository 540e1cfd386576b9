#include "window/main_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/board_fixtures.h"
#include "window/app.h"
#include "window/wait_for.h"

namespace yukora::window {
namespace {

using 文字列列 = std::vector<std::string>;

class 記録する受け手 final : public 窓イベント {
public:
    std::vector<std::string> 受けた;
    void メニュー選択(メニュー操作 c) override {
        受けた.push_back("メニュー " + std::string(操作名(c)));
    }
    void マウス押下(int b, int X, int Y) override {
        受けた.push_back("押下 " + std::to_string(b) + " " + std::to_string(X) + " " +
                         std::to_string(Y));
    }
    void キー押下(int code) override { 受けた.push_back("キー " + std::to_string(code)); }
    void 閉じる() override { 受けた.push_back("閉じる"); }
};

TEST(主窓, 題と大きさ) {
    描画面 image(1.0);
    主窓 w(image);
    EXPECT_EQ(w.windowTitle().toStdString(), "Yukora 将棋Ⅰ");
    EXPECT_EQ(w.キャンバス().sizeHint(), QSize(664, 513));
}

// Each item, chosen or opened, tells the game one command of its own, and the window leaves
// the check marks to the game.
TEST(主窓, どの操作もただ一つの項目から伝わり印は変えない) {
    描画面 image(1.0);
    主窓 w(image);
    記録する受け手 r;
    w.受け手設定(&r);
    std::map<std::string, int> 届いた;
    std::function<void(const QList<QAction*>&)> 選ぶ = [&](const QList<QAction*>& items) {
        for (QAction* a : items) {
            if (!a->isEnabled()) continue;  // "(なし)" of an empty recent files list
            const std::string caption = a->text().toStdString();
            const bool was = a->isChecked();
            r.受けた.clear();
            if (a->menu()) emit a->menu()->aboutToShow();
            else a->trigger();
            ASSERT_EQ(r.受けた.size(), 1u) << caption;
            const std::string name = r.受けた[0].substr(std::string("メニュー ").size());
            ++届いた[name];
            EXPECT_EQ(w.項目(name), a) << caption;
            EXPECT_EQ(a->objectName().toStdString(), name) << caption;
            EXPECT_EQ(a->isChecked(), was) << caption;
            if (a->menu()) 選ぶ(a->menu()->actions());
        }
    };
    選ぶ(w.menuBar()->actions());
    EXPECT_EQ(届いた.size(), 操作の名前.size());
    for (const std::string_view name : 操作の名前) EXPECT_EQ(届いた[std::string(name)], 1) << name;
    EXPECT_FALSE(w.印あり("NOTHING"));
}

TEST(主窓, 押下はtwipで伝えキーはEscが27) {
    描画面 image(1.0);
    主窓 w(image);
    記録する受け手 r;
    w.受け手設定(&r);
    const QPointF at(108, 51);
    QMouseEvent left(QEvent::MouseButtonPress, at, w.キャンバス().mapToGlobal(at), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w.キャンバス(), &left);
    const QPointF at2(400.5, 20);
    QMouseEvent right(QEvent::MouseButtonPress, at2, w.キャンバス().mapToGlobal(at2),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&w.キャンバス(), &right);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    QApplication::sendEvent(&w, &esc);
    QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(&w, &a);
    w.close();
    EXPECT_EQ(r.受けた,
              (文字列列{"押下 1 1620 765", "押下 2 6008 300", "キー 27", "キー 97", "閉じる"}));
}

// A fresh folder for the settings file of one test.
std::filesystem::path 試験フォルダ() {
    char pattern[] = "/tmp/yukora-window-XXXXXX";
    return std::filesystem::path(mkdtemp(pattern));
}

TEST(窓アプリ, アイコンと音は最初の描画の後) {
    窓アプリ app(1.0, 試験フォルダ(), std::make_unique<無音ライブラリ>());
    app.開始();
    EXPECT_TRUE(app.窓().windowIcon().isNull());
    EXPECT_FALSE(app.対局().サウンド準備済み());
    app.窓().show();
    EXPECT_TRUE(待つ([&] { return app.対局().サウンド準備済み(); }));
    EXPECT_TRUE(app.窓().windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST(窓アプリ, 開始で初期局面を描き左上に置く) {
    窓アプリ app(1.0, 試験フォルダ(), std::make_unique<無音ライブラリ>());
    app.開始();
    EXPECT_EQ(app.進行().番.手番, 0);
    EXPECT_EQ(app.局面部().盤[5][9], -950);
    // The bottom king's picture on (5, 9): pixel (260, 403).
    const QImage& pic = app.画像().絵の画像(絵番号(-950));
    const QImage block = app.画像().画像().copy(261, 404, 30, 30);
    EXPECT_EQ(block, pic.copy(1, 1, 30, 30).convertToFormat(block.format()));
    EXPECT_EQ(app.窓().pos(), QPoint(0, 0));
    EXPECT_EQ(app.窓().frameGeometry().size(), QSize(653, 533));
}

TEST(窓アプリ, 反転で盤が回る) {
    窓アプリ app(1.0, 試験フォルダ(), std::make_unique<無音ライブラリ>());
    app.開始();
    // The board after 7六歩; the rest stays as the start left it.
    const 局面 after = test::盤面("lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL");
    app.局面部().盤 = after.盤;
    app.窓().項目("REVERSE")->trigger();
    EXPECT_EQ(app.局面部().盤[7][4], 10);
    EXPECT_EQ(app.局面部().盤[7][3], 0);
    EXPECT_EQ(app.局面部().盤[5][1], 950);
    EXPECT_EQ(app.進行().番.反転済, 1);
    // Repainted: the turned pawn's picture stands on (7, 4).
    const QImage& pic = app.画像().絵の画像(絵番号(10));
    EXPECT_EQ(app.画像().画像().copy(337, 184, 30, 30),
              pic.copy(1, 1, 30, 30).convertToFormat(app.画像().画像().format()));
}

}  // namespace
}  // namespace yukora::window
