// The window as a desktop program: Esc whatever has the focus, signals to end, every mouse
// button, presses on the record panel's controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "window/app.h"
#include "window/main_window.h"
#include "window/message_boxes.h"

namespace yukora::window {
namespace {

namespace fs = std::filesystem;

class 記録する受け手 final : public 窓イベント {
public:
    std::vector<std::string> 受けた;
    void メニュー選択(メニュー操作 c) override {
        受けた.push_back("メニュー " + std::string(操作名(c)));
    }
    void マウス押下(int b, int, int) override { 受けた.push_back("押下 " + std::to_string(b)); }
    void キー押下(int code) override { 受けた.push_back("キー " + std::to_string(code)); }
    void 閉じる() override { 受けた.push_back("閉じる"); }
};

using 文字列列 = std::vector<std::string>;

void Escを送る(QWidget* to) {
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    QApplication::sendEvent(to, &esc);
}

// A window shown with one text box on its canvas, as the record panel puts them.
class 見える窓 : public ::testing::Test {
protected:
    void SetUp() override {
        w.受け手設定(&r);
        w.show();
        w.activateWindow();
        QApplication::processEvents();
    }
    描画面 image{1.0};
    主窓 w{image};
    記録する受け手 r;
    QLineEdit* 欄 = new QLineEdit(&w.キャンバス());
};

TEST_F(見える窓, Escで閉じたメニューの後のEscで終わる) {
    QAction* 対局 = w.項目("TAIKYOKU");
    w.menuBar()->setActiveAction(対局);
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activePopupWidget(), 対局->menu());
    Escを送る(対局->menu());  // the open menu takes it: it closes, nothing ends
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(r.受けた, (文字列列{"メニュー TAIKYOKU"}));
    // The menu bar keeps its highlighted title and the focus; the next Esc ends the game.
    ASSERT_EQ(w.menuBar()->activeAction(), 対局);
    Escを送る(w.menuBar());
    EXPECT_EQ(r.受けた, (文字列列{"メニュー TAIKYOKU", "キー 27"}));
}

TEST_F(見える窓, どの部品に届いたEscでも終わる) {
    for (QWidget* to : {static_cast<QWidget*>(&w), static_cast<QWidget*>(&w.キャンバス()),
                        static_cast<QWidget*>(欄), static_cast<QWidget*>(w.menuBar())}) {
        r.受けた.clear();
        Escを送る(to);
        EXPECT_EQ(r.受けた, (文字列列{"キー 27"})) << to->metaObject()->className();
    }
}

TEST_F(見える窓, 箱の中のEscは箱が受ける) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("題"), QStringLiteral("文"),
                    QMessageBox::Ok, &w);
    bool 閉じた = false;
    QTimer::singleShot(0, &box, [&] {
        Escを送る(&box);
        閉じた = !box.isVisible();
    });
    box.exec();
    EXPECT_TRUE(閉じた);
    EXPECT_TRUE(r.受けた.empty());
}

TEST_F(見える窓, 右以外のボタンは左として伝わる) {
    const std::pair<Qt::MouseButton, const char*> 押す[] = {
        {Qt::LeftButton, "押下 1"}, {Qt::RightButton, "押下 2"},   {Qt::MiddleButton, "押下 4"},
        {Qt::BackButton, "押下 1"}, {Qt::ForwardButton, "押下 1"}, {Qt::ExtraButton4, "押下 1"},
    };
    for (const auto& [button, 期待] : 押す) {
        r.受けた.clear();
        const QPointF at(300, 200);
        QMouseEvent e(QEvent::MouseButtonPress, at, w.キャンバス().mapToGlobal(at), button, button,
                      Qt::NoModifier);
        QApplication::sendEvent(&w.キャンバス(), &e);
        EXPECT_EQ(r.受けた, (文字列列{期待})) << 期待;
    }
}

// A sound library that counts the calls of the shutdown.
class 数える音 final : public サウンドライブラリ {
public:
    int* 解放数;
    int* 終了数;
    数える音(int* freed, int* ended) : 解放数(freed), 終了数(ended) {}
    std::int32_t dsInitialize(std::intptr_t) override { return 1; }
    std::int32_t dsTerminate(std::int32_t) override { return ++*終了数; }
    std::int32_t dsCreateDSB(std::int32_t, const std::uint8_t*, std::size_t,
                             std::int32_t) override {
        return 7;
    }
    std::int32_t dsFree(std::int32_t) override { return ++*解放数; }
    std::int32_t dsPlay(std::int32_t) override { return 1; }
    std::int32_t dsPlayLooping(std::int32_t) override { return 1; }
    std::int32_t dsStop(std::int32_t) override { return 1; }
};

// 7六歩 in a game between two people, played as the presses on the board make it.
void 一手指す(窓アプリ& app) {
    進行状態& s = app.進行();
    s.番.手番 = s.番.MAN番 = 1;
    s.番.COM番 = -1;
    for (const auto& [x, y] : {std::pair{3, 7}, std::pair{3, 6}})
        app.対局().マウス押下(ボタン_左, 1050 + 570 * x + 285, 100 + 660 * y + 330);
}

fs::path 音のある試験フォルダ() {
    char pattern[] = "/tmp/yukora-signal-XXXXXX";
    const fs::path folder(mkdtemp(pattern));
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"})
        std::ofstream(folder / name) << "RIFF";
    return folder;
}

// Runs the program's event loop until the signal ends it (or 5 s pass), optionally while a
// message box is open; prints what the shutdown did. A separate process: once the program
// ended its event loops, no other loop of the process would run.
void 送って終わる(int signal, bool 箱を開く, bool 指す = false) {
    int freed = 0, ended = 0;
    const fs::path folder = 音のある試験フォルダ();
    int rc = -2;
    bool 終了済み = false;
    {
        窓アプリ app(1.0, folder, std::make_unique<数える音>(&freed, &ended));
        app.開始();
        app.窓().show();
        QEventLoop loop;
        // Only against a hang: a loaded machine may take its time.
        QTimer::singleShot(120000, &loop, [&] { loop.exit(9); });
        // Once the sound is open, after the first paint.
        QTimer ready;
        QObject::connect(&ready, &QTimer::timeout, &loop, [&] {
            if (!app.対局().サウンド準備済み()) return;
            ready.stop();
            if (指す) 一手指す(app);
            if (箱を開く) QTimer::singleShot(50, [signal] { std::raise(signal); });
            else std::raise(signal);
            if (箱を開く) app.対局().START_Click();  // "先手の番です" waits for OK
        });
        ready.start(5);
        rc = loop.exec();
        終了済み = app.終了済み();
    }
    const bool kept = fs::exists(folder / "last-game.kif");
    fs::remove_all(folder);
    std::fprintf(stderr, "rc=%d ended=%d freed=%d terminated=%d kept=%d\n", rc, 終了済み, freed,
                 ended, kept);
    std::exit(0);
}

TEST(終了シグナル, 終わりと同じ後始末で終わる) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        EXPECT_EXIT(送って終わる(signal, false), ::testing::ExitedWithCode(0),
                    "rc=0 ended=1 freed=4 terminated=1")
            << "signal " << signal;
    }
}

TEST(終了シグナル, 箱が開いていても終わる) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(送って終わる(SIGTERM, true), ::testing::ExitedWithCode(0),
                "rc=0 ended=1 freed=4 terminated=1");
}

TEST(終了シグナル, 保存していない対局を前回の対局として残す) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(送って終わる(SIGTERM, false, true), ::testing::ExitedWithCode(0), "kept=1");
}

TEST(終了シグナル, 無くなれば元の扱いに戻る) {
    struct sigaction before {
    }, after{};
    sigaction(SIGTERM, nullptr, &before);
    {
        終了シグナル 受付([](int) {});
        struct sigaction during {};
        sigaction(SIGTERM, nullptr, &during);
        EXPECT_NE(during.sa_handler, before.sa_handler);
        sigaction(SIGXFSZ, nullptr, &during);
        EXPECT_EQ(during.sa_handler, SIG_IGN);
    }
    sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
    sigaction(SIGXFSZ, nullptr, &after);
    EXPECT_EQ(after.sa_handler, SIG_DFL);
}

// A window with the record panel open for writing, a title typed in.
class 書込中の窓 : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/yukora-panel-XXXXXX";
        folder = mkdtemp(pattern);
        app = std::make_unique<窓アプリ>(1.0, folder, std::make_unique<無音ライブラリ>());
        app->開始();
        app->窓().show();
        app->窓().項目("KIFU_WRITE")->trigger();
        app->棋譜パネル().文字列設定(棋譜欄::Text2, "名人戦");
    }
    void TearDown() override {
        app.reset();
        fs::remove_all(folder);
    }
    bool 開いている() const {
        return app->棋譜パネル().Command1()->isVisible() &&
               app->棋譜パネル().文字列(棋譜欄::Text2) == "名人戦";
    }
    static void 押す(QWidget* w) {
        const QPointF at(w->width() / 2.0, w->height() / 2.0);
        QMouseEvent e(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
        QMouseEvent up(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &up);
    }

    fs::path folder;
    std::unique_ptr<窓アプリ> app;
};

TEST_F(書込中の窓, 見出しや欄を押しても閉じず窓を押すと閉じる) {
    箱を閉じる boxes;  // a press on the board before a game: "「対局」で始めて下さい"
    ASSERT_TRUE(開いている());
    棋譜パネル部品& p = app->棋譜パネル();
    std::vector<QWidget*> 部品 = {p.Label1(0), p.Label1(1),         p.Label1(2),
                                  p.Label1(3), p.欄(棋譜欄::Text1), p.欄(棋譜欄::Text4),
                                  p.Drive1(),  p.Dir1()->viewport()};
    for (QWidget* w : 部品) {
        押す(w);
        EXPECT_TRUE(開いている()) << w->objectName().toStdString();
    }
    EXPECT_TRUE(boxes.文言.empty());
    押す(&app->窓().キャンバス());
    EXPECT_FALSE(p.Command1()->isVisible());
    EXPECT_EQ(p.文字列(棋譜欄::Text2), "");
    EXPECT_EQ(boxes.文言, (std::vector<std::string>{"「対局」で始めて下さい"}));
}

}  // namespace
}  // namespace yukora::window
