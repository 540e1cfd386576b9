// The record panel inside the running program: a saved game appears in the file list and a
// click on it loads it into the game, ready to be stepped through.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/move_list.h"
#include "own_format/record_writer.h"
#include "rules/initial_setup.h"
#include "rules/making_move.h"
#include "window/app.h"
#include "window/message_boxes.h"

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

std::string 中身(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A save past the file-size limit (`ulimit -f`) fails like a full disk instead of killing the
// program; the old record stays as it was and no temporary file is left.
TEST(窓アプリ棋譜, 大きさの制限を超える保存はディスク不足と同じに断る) {
    箱を閉じる boxes;
    char pattern[] = "/tmp/yukora-app-XXXXXX";
    const fs::path folder = mkdtemp(pattern);
    const std::string old = 三手の棋譜();
    std::ofstream(folder / "試験.棋譜", std::ios::binary) << old;
    {
        窓アプリ app(1.0, folder, std::make_unique<無音ライブラリ>());
        app.開始();
        app.窓().項目("KIFU_READ")->trigger();
        クリック(app.棋譜パネル().File1(), 0);
        ASSERT_EQ(app.進行().数.手順最終, 3);
        app.窓().項目("KIFU_WRITE")->trigger();
        app.棋譜パネル().文字列設定(棋譜欄::Text1, "試験");
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = old.size() / 2;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        app.棋譜パネル().Command1()->click();
        setrlimit(RLIMIT_FSIZE, &before);
    }
    ASSERT_EQ(boxes.文言.size(), 3u);
    EXPECT_EQ(boxes.文言[2], "棋譜ﾌｧｲﾙを保存できませんでした\n\nﾃﾞｨｽｸの空きが足りません");
    EXPECT_EQ(中身(folder / "試験.棋譜"), old);
    std::vector<std::string> files;
    for (const auto& e : fs::directory_iterator(folder)) files.push_back(e.path().filename());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files,
              (std::vector<std::string>{"Yukora将棋1.ini", "recent-files.txt", "試験.棋譜"}));
    fs::remove_all(folder);
}

// The file list shows KIF, KIFU and CSA records beside ".棋譜" ones; a click on one loads it.
TEST(窓アプリ棋譜, 一覧にKIFとCSAも並びクリックで読み込む) {
    箱を閉じる boxes;
    char pattern[] = "/tmp/yukora-app-XXXXXX";
    const fs::path folder = mkdtemp(pattern);
    for (const char* name : {"a.csa", "b.KIF", "c.kifu", "d.txt", "e.棋譜", "f.kif.bak", "g.ki2u"})
        std::ofstream(folder / name, std::ios::binary) << "V2.2\nPI\n+\n+7776FU\n-3334FU\n";
    {
        窓アプリ app(1.0, folder, std::make_unique<無音ライブラリ>());
        app.開始();
        app.窓().項目("KIFU_READ")->trigger();
        QListWidget* files = app.棋譜パネル().File1();
        std::vector<std::string> shown;
        for (int i = 0; i < files->count(); ++i)
            shown.push_back(files->item(i)->text().toStdString());
        EXPECT_EQ(shown,
                  (std::vector<std::string>{"a.csa", "b.KIF", "c.kifu", "e.棋譜", "g.ki2u"}));
        クリック(files, 0);
        EXPECT_EQ(app.進行().番.棋譜モード, 1);
        EXPECT_EQ(app.進行().数.手順最終, 2);
        app.窓().項目("AFTER")->trigger();
        EXPECT_EQ(app.局面部().盤[3][6], -歩);
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace yukora::window
