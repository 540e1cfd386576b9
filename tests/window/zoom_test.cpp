// The zoom: everything drawn again at the new size, pictures under the squares they stand on,
// presses on the squares they show, the record panel and the version dialog grown with it.
#include "window/zoom.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "display/display.h"
#include "display/fake_screen.h"
#include "display/grid.h"
#include "game/palette.h"
#include "settings/settings_state.h"
#include "support/board_fixtures.h"
#include "textfile/sjis.h"
#include "window/app.h"
#include "window/pictures/art.h"
#include "window/pictures/version_art.h"
#include "window/wait_for.h"
#include "window/window_size.h"
#include "window/zoom_support.h"

namespace yukora::window {
namespace {

// What a game draws besides the full repaint: the move number, a marked square, a piece
// blinked away and back, a text across the tiles.
void いろいろ描く(表示& view, int i) {
    view.描画_手数(i);
    view.描画_桝輪郭(i % 2 == 0 ? 色_明赤 : 色_白, 3 + i % 5, 4);
    view.描画_絵(i % 3 == 0 ? 0 : 100, 5, 5);
    view.描画_桝輪郭(色_黒, 5, 5);
    view.描画_絵(4, 13, 9);
    view.描画_絵(4, 14, 9);
    view.描画_絵(4, 15, 9);
    view.描画_数値(13.1, 9.3, std::to_string(i * 7), 色_黒, 0, 12);
    view.描画_数値(13, 9.2, std::to_string(i * 7), 色_白, 0, 12);
    // A square tinted by the influence display.
    view.画面ポート().地色付きの絵(絵番号(i % 2 == 0 ? -歩 : 0), 桝のX(2), 桝のY(6), 色_明赤,
                                   1 + i % 3);
}

// The pictures' kanji come out a little different at their antialiased edges when they are
// made again after the window's texts were drawn (FreeType's hinting state is shared by all
// sizes of a face). Surfaces compared pixel for pixel take their pictures from here, made
// once for each size.
std::array<QImage, 絵の数> 同じ絵(qreal ratio) {
    static std::map<qreal, std::array<QImage, 絵の数>> made;
    auto it = made.find(ratio);
    if (it == made.end()) it = made.emplace(ratio, 全部の絵を作る(ratio)).first;
    return it->second;
}

struct 試験の盤 {
    test::表示試験::進む時計 clock;
    局面 p;
    進行状態 st;
};

TEST(描画面の倍率, 倍率を変えると描いたものをその大きさで描き直す) {
    試験の盤 b;
    b.p = test::盤面("4k4/9/9/9/9/9/9/9/4K4", "3P");  // the two kings, three pawns in hand
    for (const qreal zoom : {1.25, 2.0, 2.5, 3.0, 1.0}) {
        SCOPED_TRACE(zoom);
        描画面 before(1.0, 同じ絵), direct(1.0, 同じ絵);
        direct.表示倍率設定(zoom);
        for (描画面* s : {&before, &direct}) {
            表示 view(*s, b.clock, b.p, b.st);
            view.状態.背景画番号 = 背景_竹;
            view.画面_再描画();
            for (int i = 0; i < 5; ++i) いろいろ描く(view, i);
        }
        before.表示倍率設定(zoom);
        EXPECT_EQ(before.倍率(), zoom);
        EXPECT_EQ(違い(before.画像(), direct.画像()), "");
        EXPECT_EQ(before.地の絵(), 絵_背景 + 背景_竹 - 背景_緑);
    }
}

TEST(描画面の倍率, 隠れた描画は捨てて記録は一画面ほどに留まり描き直しは変わらない) {
    試験の盤 b;
    描画面 before(1.0, 同じ絵), direct(1.0, 同じ絵);
    direct.表示倍率設定(1.25);
    for (描画面* s : {&before, &direct}) {
        表示 view(*s, b.clock, b.p, b.st);
        view.状態.背景画番号 = 背景_宇宙;
        view.画面_再描画();
        for (int i = 0; i < 1500; ++i) いろいろ描く(view, i);  // 13,500 commands
    }
    EXPECT_LT(before.記録().命令().size(), 4096u);
    before.表示倍率設定(1.25);
    EXPECT_EQ(違い(before.画像(), direct.画像()), "");
    // The full repaint paints over everything that came before.
    描画面 fresh(1.0, 同じ絵);
    for (描画面* s : {&before, &fresh}) {
        表示 view(*s, b.clock, b.p, b.st);
        view.状態.背景画番号 = 背景_宇宙;
        view.画面_再描画();
        const_cast<描画記録&>(s->記録()).詰める();
    }
    EXPECT_EQ(before.記録().命令().size(), fresh.記録().命令().size());
}

// A mixed position: pieces of both sides, promoted ones, empty squares. Only the board is put;
// the rest stays as the start left it.
void 局面を置く(窓アプリ& app) {
    const 局面 mixed = test::盤面(R"(
        l n s g k g s n l
        . +B . . . . . b .
        p p . p p p p p p
        . . . . . . . . .
        . . p . +r . P . .
        . . . . . . . . .
        P P P P P P . P P
        . B . . . . . . .
        L N S G K G S N L
    )");
    app.局面部().盤 = mixed.盤;
    app.表示部().画面_再描画();
}

// Every square's centre pixel equals the pixel of its picture at the same place.
void 中央は駒の絵(窓アプリ& app, const QImage& shown, QPoint origin) {
    const 描画面& s = app.画像();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const QImage& pic = s.絵の画像(絵番号(app.局面部().盤[x][y]));
            const int left = s.画素(桝のX(x)), top = s.画素(桝のY(y));
            const int cx = s.画素(桝のX(x + 0.5)), cy = s.画素(桝のY(y + 0.5));
            EXPECT_EQ(QColor(shown.pixel(origin + QPoint(cx, cy))),
                      QColor(pic.pixel(cx - left, cy - top)))
                << x << "," << y;
        }
}

TEST(表示倍率, 桝の中央の画素はどの倍率でもそこに描いた駒の絵から来る) {
    for (const char* 倍率 : {"100", "125", "150", "200", "250", "300"}) {
        SCOPED_TRACE(倍率);
        auto app = 始める(倍率);
        const qreal zoom = std::stoi(倍率) / 100.0;
        EXPECT_EQ(app->画像().倍率(), zoom);
        EXPECT_EQ(app->窓().キャンバス().sizeHint(), QSize(qRound(664 * zoom), qRound(513 * zoom)));
        局面を置く(*app);
        中央は駒の絵(*app, app->画像().画像(), QPoint());
        // And the widget shows the image pixel for pixel.
        const QImage widget = app->窓().キャンバス().grab().toImage();
        中央は駒の絵(*app, widget, QPoint());
    }
}

TEST(表示倍率, メニューで変えると窓の中も窓の大きさも変わる) {
    auto app = 始める("100");
    局面を置く(*app);
    const QSize 百 = app->窓().キャンバス().size();
    app->窓().項目("BAIRITU250")->trigger();
    EXPECT_EQ(app->画像().倍率(), 2.5);
    EXPECT_TRUE(app->窓().印あり("BAIRITU250"));
    EXPECT_FALSE(app->窓().印あり("BAIRITU100"));
    // The position drawn before the change is there at the new size.
    中央は駒の絵(*app, app->画像().画像(), QPoint());
    // Two and a half times as large, the menu bar included.
    EXPECT_EQ(app->窓().size(), 窓の中の大きさ(250));
    app->窓().項目("BAIRITU100")->trigger();
    EXPECT_EQ(app->窓().キャンバス().size(), 百);
    EXPECT_EQ(app->窓().size(), QSize(653, 533));
}

TEST(表示倍率, 窓に合わせると中央に置き周りを背景で埋める) {
    auto app = 始める("合わせる");
    EXPECT_TRUE(app->窓().印あり("AWASERU"));
    局面を置く(*app);
    画布& canvas = app->窓().キャンバス();
    大きさを変える(app->窓(), QSize(1400, 700));
    // 700 / 513 pixels high, to a whole number of pixels per cell: 60 / 44.
    EXPECT_DOUBLE_EQ(合わせた倍率(QSize(1400, 700)), 60.0 / 44);
    EXPECT_DOUBLE_EQ(canvas.表示倍率(), 60.0 / 44);
    const QPoint origin = 中央の原点(QSize(1400, 700), 60.0 / 44);
    EXPECT_EQ(origin, QPoint((1400 - 906) / 2, 0));
    EXPECT_EQ(canvas.原点(), QPointF(origin));
    const QImage widget = canvas.grab().toImage();
    中央は駒の絵(*app, widget, origin);
    // Left of the image: the background tile of the cell there, on the same grid.
    const 描画面& s = app->画像();
    const QImage& tile = s.絵の画像(s.地の絵());
    const int cx = -5, cy = 3;
    const QPoint at(origin.x() + s.画素(桝のX(cx)) + 10, origin.y() + s.画素(桝のY(cy)) + 10);
    ASSERT_LT(at.x(), origin.x());
    EXPECT_EQ(QColor(widget.pixel(at)), QColor(tile.pixel(10, 10)));
    // The record panel moves and grows with it.
    const QRect drive = app->棋譜パネル().Drive1()->geometry();
    EXPECT_EQ(drive.topLeft(), origin + QPoint(qRound(16 * 60.0 / 44), qRound(24 * 60.0 / 44)));
}

TEST(表示倍率, 窓に合わせると大きさを変えている間は待ち止まってから描き直す) {
    auto app = 始める("合わせる");
    主窓& w = app->窓();
    w.show();
    QApplication::processEvents();
    const qreal before = w.キャンバス().表示倍率();
    w.resize(w.size() * 2);
    ASSERT_EQ(w.キャンバス().size(), w.size() - QSize(0, w.menuBar()->height()));
    EXPECT_EQ(w.キャンバス().表示倍率(), before);  // still the old size, tiles around it
    EXPECT_TRUE(待つ([&] { return w.キャンバス().表示倍率() != before; }));
    EXPECT_DOUBLE_EQ(w.キャンバス().表示倍率(), 合わせた倍率(w.キャンバス().size()));
    EXPECT_GT(w.キャンバス().表示倍率(), before * 1.5);
}

// Presses on the corner pixels of every square report a point of that square.
void 四隅を押す(int 倍率, QSize fit = {}) {
    SCOPED_TRACE(倍率);
    描画面 image(1.0);
    主窓 w(image);
    std::vector<QPoint> got;
    w.キャンバス().押下 = [&](int, int X, int Y) { got.emplace_back(X, Y); };
    w.表示倍率設定(倍率);
    if (fit.isValid()) 大きさを変える(w, fit);
    const QPoint o = w.キャンバス().原点().toPoint();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int l = image.画素(桝のX(x)), r = image.画素(桝のX(x + 1)) - 1;
            const int t = image.画素(桝のY(y)), b = image.画素(桝のY(y + 1)) - 1;
            for (const QPointF at : {QPointF(l, t), QPointF(r + 0.9, t), QPointF(l, b + 0.9),
                                     QPointF(r + 0.9, b + 0.9)}) {
                got.clear();
                const QPointF p = at + QPointF(o);
                QMouseEvent e(QEvent::MouseButtonPress, p, w.キャンバス().mapToGlobal(p),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(&w.キャンバス(), &e);
                ASSERT_EQ(got.size(), 1u);
                // The cell as the game reckons it.
                EXPECT_EQ((got[0].x() - 盤原点X) / 桝幅, x) << at.x() << "," << at.y();
                EXPECT_EQ((got[0].y() - 盤原点Y) / 桝高, y) << at.x() << "," << at.y();
            }
        }
}

TEST(表示倍率, 桝の四隅を押すとどの倍率でもその桝になる) {
    四隅を押す(100);
    四隅を押す(125);
    四隅を押す(250);
    四隅を押す(表示倍率_合わせる, QSize(1111, 901));
}

TEST(表示倍率, 百では押した点は今までどおり画素の十五倍) {
    描画面 image(1.0);
    主窓 w(image);
    std::vector<QPoint> got;
    w.キャンバス().押下 = [&](int, int X, int Y) { got.emplace_back(X, Y); };
    for (const QPointF at :
         {QPointF(0, 0), QPointF(108, 51), QPointF(400.5, 20), QPointF(663, 512)}) {
        QMouseEvent e(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&w.キャンバス(), &e);
        EXPECT_EQ(got.back(), QPoint(static_cast<int>(std::lround(at.x() * 15)),
                                     static_cast<int>(std::lround(at.y() * 15))));
    }
}

TEST(表示倍率, 棋譜パネルと版情報は倍率とともに大きくなる) {
    auto app = 始める("200");
    棋譜パネル部品& panel = app->棋譜パネル();  // made when first used, at the zoom of then
    EXPECT_EQ(panel.Drive1()->geometry(), QRect(32, 48, 338, 40));
    EXPECT_EQ(panel.Command1()->geometry(), QRect(448, 448, 114, 50));
    EXPECT_EQ(panel.欄(棋譜欄::Text2)->font().pixelSize(), 24);
    EXPECT_EQ(panel.Dir1()->iconSize(), QSize(28, 28));
    QSize form;
    QRect button;
    QImage picture;
    app->版情報().表示中 = [&](版情報画面& f) {
        form = f.size();
        button = f.Command1()->geometry();
        picture = f.grab().toImage();
        f.Command2()->click();
    };
    app->窓().項目("VER")->trigger();
    EXPECT_EQ(form, QSize(666, 204));
    EXPECT_EQ(button, QRect(80, 144, 210, 50));
    // Drawn anew at twice the size (above the buttons), not the small picture enlarged.
    QImage expected(666, 204, QImage::Format_RGB32);
    {
        QPainter p(&expected);
        p.scale(2, 2);
        版情報を描く(p);
    }
    const QImage enlarged = 版情報の絵(1.0).scaled(666, 204).convertToFormat(QImage::Format_RGB32);
    picture = picture.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), expected.size());
    int 違う = 0, 拡大と違う = 0;
    for (int y = 0; y < 130; ++y)
        for (int x = 0; x < 666; ++x) {
            違う += picture.pixel(x, y) != expected.pixel(x, y);
            拡大と違う += picture.pixel(x, y) != enlarged.pixel(x, y);
        }
    // Only the antialiased edges of the kanji may differ (see 同じ絵).
    EXPECT_LT(違う, 666 * 130 / 50);
    EXPECT_GT(拡大と違う, 666 * 130 / 5);
}

TEST(表示倍率, 盤の木と背景は大きくしても画素の塊にならない) {
    // Drawn anew at three device pixels per logical pixel: few 3 × 3 blocks of one colour.
    for (const int 番号 : {絵_空桝, 絵_背景, 絵_背景 + 1, 絵_背景 + 2, 絵_背景 + 4}) {
        SCOPED_TRACE(番号);
        const QImage img = 絵を作る(番号, 3.0);
        int blocks = 0, flat = 0;
        for (int y = 0; y + 3 <= img.height(); y += 3)
            for (int x = 0; x + 3 <= img.width(); x += 3) {
                bool same = true;
                for (int i = 0; i < 9; ++i)
                    same = same && img.pixel(x + i % 3, y + i / 3) == img.pixel(x, y);
                ++blocks;
                flat += same;
            }
        EXPECT_LT(flat, blocks / 2);
    }
    // The stars of the space tile are round: the glow reaches the diagonal too, not only the
    // four logical pixels beside the star.
    const QImage space = 絵を作る(絵_背景 + 3, 4.0);
    EXPECT_EQ(QColor(space.pixel(30, 50)), QColor(255, 255, 240));  // (7.5, 12.5) logical
    EXPECT_EQ(QColor(space.pixel(32, 52)), QColor(150, 160, 210));  // (8.1, 13.1)
}

TEST(表示倍率, 初回の倍率は大きな画面でだけ収まる最大のもの) {
    const QSize window(653, 533);
    const struct {
        QSize screen;
        int 倍率;
    } cases[] = {
        {{1024, 768}, 100},  {{1920, 1080}, 100}, {{2560, 1440}, 100}, {{1600, 1599}, 100},
        {{3840, 2160}, 300}, {{2560, 1600}, 300}, {{2560, 1560}, 100}, {{1100, 2000}, 150},
        {{1700, 1700}, 250}, {{653, 1700}, 100},  {{7680, 4320}, 300},
    };
    for (const auto& c : cases)
        EXPECT_EQ(初回の倍率(c.screen, window), c.倍率)
            << c.screen.width() << "x" << c.screen.height();
}

}  // namespace
}  // namespace yukora::window
