#include "window/version_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QSet>

#include "window/pictures/version_art.h"
#include "window/qt_browser.h"

namespace yukora::window {
namespace {

TEST(版情報画面, 題と大きさとボタンの位置) {
    版情報画面 form;
    EXPECT_EQ(form.windowTitle().toStdString(), "バージョン情報");
    EXPECT_TRUE(form.isModal());
    // 4995 × 1530 twips, not resizable.
    EXPECT_EQ(form.size(), QSize(333, 102));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.Command1()->text().toStdString(), "ホームページ");
    EXPECT_EQ(form.Command1()->geometry(), QRect(40, 72, 105, 25));
    EXPECT_EQ(form.Command2()->text().toStdString(), "O K");
    EXPECT_EQ(form.Command2()->geometry(), QRect(192, 72, 105, 25));
}

TEST(版情報画面, 絵はクライアント領域いっぱいで模様がある) {
    const QImage img = 版情報の絵(1.0);
    EXPECT_EQ(img.size(), QSize(333, 102));
    QSet<QRgb> colours;
    for (int y = 0; y < img.height(); y += 3)
        for (int x = 0; x < img.width(); x += 3) colours.insert(img.pixel(x, y));
    EXPECT_GT(colours.size(), 50);
    EXPECT_EQ(版情報の絵(2.0).size(), QSize(666, 204));
}

// Opens the real modal dialog and lets `press` act on it from inside its event loop.
bool 開いて(std::function<void(版情報画面&)> press) {
    QWidget owner;
    版情報ダイアログ dialog(&owner);
    bool 開いていた = false;
    dialog.表示中 = [&](版情報画面& form) {
        開いていた = form.isVisible();
        press(form);
    };
    const bool result = dialog.表示();
    EXPECT_TRUE(開いていた);
    return result;
}

TEST(版情報ダイアログ, ホームページで閉じた時だけ真) {
    EXPECT_TRUE(開いて([](版情報画面& f) { f.Command1()->click(); }));
    EXPECT_FALSE(開いて([](版情報画面& f) { f.Command2()->click(); }));
    EXPECT_FALSE(開いて([](版情報画面& f) { f.close(); }));
    EXPECT_FALSE(開いて([](版情報画面& f) {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&f, &esc);
    }));
    // Enter is "O K", not the web page.
    EXPECT_FALSE(開いて([](版情報画面& f) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&f, &enter);
    }));
}

TEST(Qtブラウザ, 壊れたアドレスは開かず偽) {
    Qtブラウザ browser;
    EXPECT_FALSE(browser.表示("http://exa mple.com/%zz"));
    EXPECT_FALSE(browser.表示(""));
}

}  // namespace
}  // namespace yukora::window
