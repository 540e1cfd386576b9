// Message boxes: icons, titles shown exactly as given, the standard buttons in Japanese.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QWindow>
#include <filesystem>

#include "window/app.h"
#include "window/message_boxes.h"
#include "window/qt_ports.h"
#include "window/translations.h"
#include "window/wait_for.h"

namespace yukora::window {
namespace {

namespace fs = std::filesystem;
using 文字列列 = std::vector<std::string>;

TEST(Qtダイアログ, 種類ごとの絵とボタン) {
    ASSERT_TRUE(Qtの日本語訳を入れる(*QCoreApplication::instance()));
    箱を閉じる boxes;
    QWidget owner;
    Qtダイアログ dialog(&owner);
    dialog.メッセージ("棋譜を書き込みました", "  ");
    dialog.警告("Direct Soundインターフェースが作成できません。", "Yukora将棋1.dll");
    EXPECT_TRUE(dialog.質問("棋譜を '進 'で進めて下さい", "棋譜"));
    ASSERT_EQ(boxes.箱.size(), 3u);
    EXPECT_EQ(boxes.箱[0].絵, QMessageBox::NoIcon);
    EXPECT_EQ(boxes.箱[1].絵, QMessageBox::Warning);
    EXPECT_EQ(boxes.箱[2].絵, QMessageBox::Question);
    EXPECT_EQ(boxes.箱[0].ボタン, (文字列列{"OK"}));
    EXPECT_EQ(boxes.箱[1].ボタン, (文字列列{"OK"}));
    // Qt's Japanese texts carry the access key, shown as "はい(Y)", as on Japanese desktops.
    EXPECT_EQ(boxes.箱[2].ボタン, (文字列列{"はい(&Y)", "いいえ(&N)"}));
    EXPECT_EQ(boxes.箱[1].題, "Yukora将棋1.dll");
}

TEST(Qtダイアログ, 題は与えた通りで空なら空白) {
    struct 例 {
        const char* 題;
        QString 見える題;
    };
    // Qt replaces an empty window title with the program's name; one blank shows as blank.
    const 例 例一覧[] = {{"", " "}, {" ", " "}, {"  ", "  "}, {"棋譜", "棋譜"}};
    for (const auto& e : 例一覧) {
        QWidget owner;
        Qtダイアログ dialog(&owner);
        QString 題, 窓の題;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            題 = box->windowTitle();
            窓の題 = box->windowHandle()->title();
            box->accept();
        });
        dialog.メッセージ("   ** 王手 **", e.題);
        EXPECT_EQ(題, e.見える題) << "'" << e.題 << "'";
        EXPECT_EQ(窓の題, e.見える題) << "'" << e.題 << "'";
    }
}

// A sound library that cannot open the device.
class 開かない音 final : public サウンドライブラリ {
public:
    std::int32_t dsInitialize(std::intptr_t) override { return 0; }
    std::int32_t dsTerminate(std::int32_t) override { return 0; }
    std::int32_t dsCreateDSB(std::int32_t, const std::uint8_t*, std::size_t,
                             std::int32_t) override {
        return 0;
    }
    std::int32_t dsFree(std::int32_t) override { return 0; }
    std::int32_t dsPlay(std::int32_t) override { return 0; }
    std::int32_t dsPlayLooping(std::int32_t) override { return 0; }
    std::int32_t dsStop(std::int32_t) override { return 0; }
};

// Notes the first paint of the canvas and every message box shown, in order.
class 描画と箱 final : public QObject {
public:
    explicit 描画と箱(QWidget* canvas) : canvas_(canvas) { qApp->installEventFilter(this); }
    文字列列 順;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && watched == canvas_ && 順.empty()) 順.push_back("描画");
        if (e->type() == QEvent::Show && qobject_cast<QMessageBox*>(watched)) 順.push_back("箱");
        return false;
    }

private:
    QWidget* canvas_;
};

TEST(窓アプリ, 音が出せなければ最初の描画の後に警告の絵の箱で知らせる) {
    箱を閉じる boxes;
    char pattern[] = "/tmp/yukora-dialog-XXXXXX";
    const fs::path folder = mkdtemp(pattern);
    文字列列 順;
    {
        窓アプリ app(1.0, folder, std::make_unique<開かない音>());
        描画と箱 watch(&app.窓().キャンバス());
        app.開始();
        EXPECT_TRUE(boxes.箱.empty());
        app.窓().show();
        待つ([&] { return !boxes.箱.empty(); });
        順 = watch.順;
    }
    fs::remove_all(folder);
    EXPECT_EQ(順, (文字列列{"描画", "箱"}));
    ASSERT_EQ(boxes.箱.size(), 1u);
    EXPECT_EQ(boxes.箱[0].文, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(boxes.箱[0].題, "Yukora将棋1.dll");
    EXPECT_EQ(boxes.箱[0].絵, QMessageBox::Warning);
}

}  // namespace
}  // namespace yukora::window
