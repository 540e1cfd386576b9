// The record panel inside the running program: a saved game appears in the file list and a
// click on it loads it into the game, ready to be stepped through.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <QMouseEvent>
#include <filesystem>
#include <fstream>

#include "record/record_writer.h"
#include "rules/initial_setup.h"
#include "rules/making_move.h"
#include "game/move_list.h"
#include "window/app.h"

namespace yukora::window {
namespace {

namespace fs = std::filesystem;

// Three moves of a game, stored as the game stores them.
std::string 三手の棋譜() {
    局面 p;
    初期配置(p);
    進行状態 s;
    s.番.MAN番 = 1;
    s.番.COM番 = -1;
    手順リスト list;
    描画なし view;
    const int moves[][5] = {{3, 7, 3, 6, -歩}, {7, 3, 7, 4, 歩}, {2, 8, 8, 2, -角成}};
    for (const auto& m : moves) {
        手順保存(list, p, s.数, 0, 0, 0, 0);
        駒移動(p, s.番, view, m[0], m[1], m[2], m[3], m[4]);
        ++s.数.手順番号;
    }
    手順保存(list, p, s.数, 0, 0, 0, 0);
    const auto file = 書式_棋譜ファイル(list, s, {"試験対局", "先手さん", "後手さん"});
    EXPECT_TRUE(file.内容.has_value());
    return file.内容.value_or("");
}

void クリック(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QWidget* port = list->viewport();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, at, port->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(port, &e);
    }
}

// Closes every message box as soon as it opens, keeping its text.
class 箱を閉じる {
public:
    箱を閉じる() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                文言.push_back(box->text().toStdString());
                box->done(QMessageBox::Yes);
            }
        });
        timer_.start(10);
    }
    std::vector<std::string> 文言;

private:
    QTimer timer_;
};

TEST(窓アプリ棋譜, 一覧の棋譜をクリックすると読み込んで進で進める) {
    箱を閉じる boxes;
    char pattern[] = "/tmp/yukora-app-XXXXXX";
    const fs::path folder = mkdtemp(pattern);
    std::ofstream(folder / "試験.棋譜", std::ios::binary) << 三手の棋譜();
    {
        窓アプリ app(1.0, folder, std::make_unique<無音ライブラリ>());
        app.開始();
        app.窓().項目("KIFU_READ")->trigger();
        QListWidget* files = app.棋譜パネル().File1();
        ASSERT_TRUE(files->isVisibleTo(&app.窓()));
        ASSERT_EQ(files->count(), 1);
        EXPECT_EQ(files->item(0)->text().toStdString(), "試験.棋譜");
        クリック(files, 0);
        EXPECT_EQ(app.進行().番.棋譜モード, 1);
        EXPECT_EQ(app.進行().数.手順最終, 3);
        EXPECT_EQ(app.局面部().盤[3][7], -歩);  // the starting position first
        app.窓().項目("AFTER")->trigger();
        app.窓().項目("AFTER")->trigger();
        EXPECT_EQ(app.局面部().盤[3][6], -歩);
        EXPECT_EQ(app.局面部().盤[7][4], 歩);
        EXPECT_EQ(app.進行().数.手数, 2);
        EXPECT_EQ(boxes.文言,
                  (std::vector<std::string>{" 読み込みました", "棋譜を '進 'で進めて下さい"}));
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace yukora::window
