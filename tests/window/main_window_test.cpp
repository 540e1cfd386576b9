#include "window/main_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/board_fixtures.h"
#include "window/app.h"

namespace yukora::window {
namespace {

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

struct 項目の期待 {
    const char* control;
    const char* caption;
    bool checkable, checked;
};

// Every item of the menu, with its caption and check state at start.
const 項目の期待 全項目[] = {
    {"TAIKYOKU", "対局", false, false},
    {"MATCH_MAN", "対局(人間)", false, false},
    {"START", "スタート", false, false},
    {"START2", "対局(COM)", false, false},
    {"SENTE", "先手", false, false},
    {"GOTE", "後手", false, false},
    {"LEVEL", "COM対局ﾚﾍﾞﾙ", false, false},
    {"LEVEL1", "LEVEL1", true, false},
    {"LEVEL2", "LEVEL2", true, false},
    {"LEVEL3", "LEVEL3", true, true},
    {"OWARI", "終わり", false, false},
    {"STOP", "局面", false, false},
    {"CANCEL", "最初", false, false},
    {"REVERSE", "反転", false, false},
    {"REPLAY", "戻", false, false},
    {"AFTER", "進", false, false},
    {"LBEL_UP", "△", false, false},
    {"LEBEL_DOWN", "▽", false, false},
    {"KIFU", "棋譜", false, false},
    {"KIFU_READ", "読込", false, false},
    {"KIFU_WRITE", "書込", false, false},
    {"KIF_WRITE", "KIF･CSA書込", false, false},
    {"OPTION", "ｵﾌﾟｼｮﾝ", false, false},
    {"HAIKEI_GA", "背景画", false, false},
    {"MIDORI", "緑", true, false},
    {"TATAMI", "畳", true, true},
    {"TAKE", "竹", true, false},
    {"UCHU", "宇宙", true, false},
    {"RENGA", "煉瓦", true, false},
    {"SIDOU", "移動指導", true, false},
    {"KEIKA", "経過時間", true, false},
    {"BGM", "BGM", true, false},
    {"SEIRYOKU", "勢力表示", true, false},
    {"SONOTA", "その他", false, false},
    {"KAISETU", "解説", false, false},
    {"VER", "バージョン情報", false, false},
    {"HINT", "ヒント", false, false},
    {"BAIRITU", "表示倍率", false, false},
    {"BAIRITU100", "100%", true, true},
    {"BAIRITU125", "125%", true, false},
    {"BAIRITU150", "150%", true, false},
    {"BAIRITU200", "200%", true, false},
    {"BAIRITU250", "250%", true, false},
    {"BAIRITU300", "300%", true, false},
    {"AWASERU", "ウィンドウに合わせる", true, false},
};

std::vector<std::string> 見出し(const QList<QAction*>& actions) {
    std::vector<std::string> out;
    for (const QAction* a : actions) out.push_back(a->text().toStdString());
    return out;
}

using 文字列列 = std::vector<std::string>;

TEST(主窓, 題と大きさ) {
    描画面 image(1.0);
    主窓 w(image);
    EXPECT_EQ(w.windowTitle().toStdString(), "Yukora 将棋Ⅰ");
    EXPECT_EQ(w.キャンバス().sizeHint(), QSize(664, 513));
}

TEST(主窓, メニューのすべての項目と見出しと印) {
    描画面 image(1.0);
    主窓 w(image);
    for (const auto& e : 全項目) {
        const QAction* a = w.項目(e.control);
        ASSERT_NE(a, nullptr) << e.control;
        EXPECT_EQ(a->text().toStdString(), e.caption) << e.control;
        EXPECT_EQ(a->isCheckable(), e.checkable) << e.control;
        EXPECT_EQ(a->isChecked(), e.checked) << e.control;
        EXPECT_EQ(w.findChild<QAction*>(e.control), a) << e.control;
    }
}

TEST(主窓, メニューの並び) {
    描画面 image(1.0);
    主窓 w(image);
    EXPECT_EQ(見出し(w.menuBar()->actions()),
              (文字列列{"対局", "局面", "戻", "進", "△", "▽", "棋譜", "ｵﾌﾟｼｮﾝ", "その他"}));
    auto 子 = [&](const char* control) { return 見出し(w.項目(control)->menu()->actions()); };
    EXPECT_EQ(子("TAIKYOKU"), (文字列列{"対局(人間)", "対局(COM)", "COM対局ﾚﾍﾞﾙ", "終わり"}));
    EXPECT_EQ(子("MATCH_MAN"), (文字列列{"スタート"}));
    EXPECT_EQ(子("START2"), (文字列列{"先手", "後手"}));
    EXPECT_EQ(子("LEVEL"), (文字列列{"LEVEL1", "LEVEL2", "LEVEL3"}));
    EXPECT_EQ(子("STOP"), (文字列列{"最初", "反転"}));
    EXPECT_EQ(子("KIFU"), (文字列列{"読込", "書込", "KIF･CSA書込"}));
    EXPECT_EQ(子("OPTION"),
              (文字列列{"背景画", "移動指導", "経過時間", "BGM", "勢力表示", "表示倍率"}));
    EXPECT_EQ(子("BAIRITU"),
              (文字列列{"100%", "125%", "150%", "200%", "250%", "300%", "ウィンドウに合わせる"}));
    EXPECT_EQ(子("HAIKEI_GA"), (文字列列{"緑", "畳", "竹", "宇宙", "煉瓦"}));
    EXPECT_EQ(子("SONOTA"), (文字列列{"解説", "バージョン情報", "ヒント"}));
    EXPECT_EQ(w.項目("REPLAY")->menu(), nullptr);
}

TEST(主窓, 選んだ項目を伝え印は変えない) {
    描画面 image(1.0);
    主窓 w(image);
    記録する受け手 r;
    w.受け手設定(&r);
    w.項目("LEVEL1")->trigger();
    w.項目("REVERSE")->trigger();
    w.項目("AFTER")->trigger();
    EXPECT_EQ(r.受けた, (文字列列{"メニュー LEVEL1", "メニュー REVERSE", "メニュー AFTER"}));
    EXPECT_FALSE(w.印あり("LEVEL1"));
    EXPECT_TRUE(w.印あり("LEVEL3"));
    w.印設定(メニュー操作::LEVEL3, false);
    w.印設定(メニュー操作::SIDOU, true);
    EXPECT_FALSE(w.印あり("LEVEL3"));
    EXPECT_TRUE(w.印あり("SIDOU"));
    EXPECT_FALSE(w.印あり("NOTHING"));
}

TEST(主窓, メニューを開くと伝える) {
    描画面 image(1.0);
    主窓 w(image);
    記録する受け手 r;
    w.受け手設定(&r);
    emit w.項目("TAIKYOKU")->menu()->aboutToShow();
    emit w.項目("OPTION")->menu()->aboutToShow();
    EXPECT_EQ(r.受けた, (文字列列{"メニュー TAIKYOKU", "メニュー OPTION"}));
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
    QElapsedTimer waited;
    waited.start();
    while (!app.対局().サウンド準備済み() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(app.対局().サウンド準備済み());
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
