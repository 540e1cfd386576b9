// The ways a record reaches the running program beside the record panel: the command line,
// a file dropped on the window, the clipboard and the save dialog.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "window/app.h"
#include "window/message_boxes.h"

namespace yukora::window {
namespace {

namespace fs = std::filesystem;
using 文字列列 = std::vector<std::string>;

const char* const 二手のKIF = "手合割：平手\n   1 ７六歩(77)\n   2 ３四歩(33)\n";
const 文字列列 読めた = {" 読み込みました", "棋譜を '進 'で進めて下さい"};

class 開き方 : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/yukora-open-XXXXXX";
        folder = mkdtemp(pattern);
        std::ofstream(folder / "x.kif") << 二手のKIF;
        std::ofstream(folder / "壊れた.kif") << "これは棋譜ではない\n";
        app = std::make_unique<窓アプリ>(1.0, folder, std::make_unique<無音ライブラリ>());
        app->開始();
    }
    void TearDown() override {
        app.reset();
        fs::remove_all(folder);
    }
    QString 場所(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }
    fs::path folder;
    std::unique_ptr<窓アプリ> app;
    箱を閉じる boxes;
};

TEST_F(開き方, 引数の棋譜を開き読めないものは読込の知らせを出す) {
    const struct {
        QStringList 引数;
        文字列列 箱;
        int 手順最終;
    } rows[] = {
        {{"yukora-shogi", 場所("x.kif")}, 読めた, 2},
        {{"yukora-shogi", QUrl::fromLocalFile(場所("x.kif")).toString()}, 読めた, 2},
        {{"yukora-shogi", 場所("壊れた.kif")}, {"棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"}, 0},
        {{"yukora-shogi", 場所("無い.kif")}, {"棋譜ﾌｧｲﾙが見つかりません"}, 0},
        {{"yukora-shogi"}, {}, 0},
    };
    for (const auto& r : rows) {
        app->対局().CANCEL_Click();
        boxes.文言.clear();
        app->引数の棋譜を開く(r.引数);
        EXPECT_EQ(boxes.文言, r.箱) << r.引数.join(' ').toStdString();
        EXPECT_EQ(app->進行().数.手順最終, r.手順最終) << r.引数.join(' ').toStdString();
    }
}

TEST_F(開き方, 窓に落としたファイルを開く) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(場所("x.kif"))});
    // Qt hands the drop to the widget that took the drag's entry.
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&app->窓(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&app->窓(), &drop);
    QApplication::processEvents();
    EXPECT_EQ(boxes.文言, 読めた);
    EXPECT_EQ(app->進行().番.棋譜モード, 1);
    EXPECT_EQ(app->進行().数.手順最終, 2);
}

TEST_F(開き方, クリップボードの棋譜を貼り付けて写すと同じ手順) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(二手のKIF));
    app->窓().項目(メニュー操作::PASTE)->trigger();
    EXPECT_EQ(boxes.文言, 読めた);
    app->窓().項目(メニュー操作::COPY_USI)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "position startpos moves 7g7f 3c3d\n");
}

// The filter chosen gives the format and its extension.
TEST_F(開き方, 保存の絞り込みで形式と拡張子が決まる) {
    QGuiApplication::clipboard()->setText("position startpos moves 7g7f 3c3d");
    app->窓().項目(メニュー操作::PASTE)->trigger();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            d->selectNameFilter("CSA (*.csa *.CSA)");
            d->selectFile(場所("保存"));
            static_cast<QDialog*>(d)->accept();
        }
    });
    timer.start(10);
    app->窓().項目(メニュー操作::KIFU_SAVE_AS)->trigger();
    std::ifstream in(folder / "保存.csa");
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "V2.2\r");
    EXPECT_EQ(boxes.文言.back(), "棋譜を書き込みました");
}

}  // namespace
}  // namespace yukora::window
