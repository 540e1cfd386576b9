#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>

#include "display/display.h"
#include "display/fake_screen.h"
#include "display/pictures.h"
#include "window/canvas_image.h"

namespace yukora::window {
namespace {

QColor 画素色(const 描画面& s, int x, int y) { return s.画像().pixelColor(x, y); }

bool 黒(const QColor& c) { return c == QColor(0, 0, 0); }
bool 明赤(const QColor& c) { return c == QColor(255, 0, 0); }

TEST(描画面, 輪郭は一画素幅で桝の角から角まで) {
    描画面 s(1.0);
    // Cell (1, 1): twips (1620, 760)-(2190, 1420) are pixels (108, 51)-(146, 95).
    s.輪郭(12, 1620, 760, 2190, 1420);
    for (const auto& [x, y] : {std::pair{108, 51},
                               {146, 51},
                               {108, 95},
                               {146, 95},
                               {127, 51},
                               {127, 95},
                               {108, 73},
                               {146, 73}})
        EXPECT_TRUE(明赤(画素色(s, x, y))) << x << "," << y;
    for (const auto& [x, y] :
         {std::pair{107, 51}, {147, 51}, {108, 50}, {108, 96}, {127, 73}, {109, 52}, {145, 94}})
        EXPECT_TRUE(黒(画素色(s, x, y))) << x << "," << y;
}

TEST(描画面, 高解像度では輪郭も倍の太さ) {
    描画面 s(2.0);
    s.輪郭(12, 1620, 760, 2190, 1420);
    // x 216..217 and 292..293, y 101..102 and 189..190.
    for (int x : {216, 217, 292, 293}) EXPECT_TRUE(明赤(画素色(s, x, 140))) << x;
    for (int x : {215, 218, 291, 294}) EXPECT_TRUE(黒(画素色(s, x, 140))) << x;
    for (int y : {101, 102, 189, 190}) EXPECT_TRUE(明赤(画素色(s, 250, y))) << y;
    for (int y : {100, 103, 188, 191}) EXPECT_TRUE(黒(画素色(s, 250, y))) << y;
}

// The block of the image at (x, y) equals the picture, and the pixels around it are untouched.
void 絵が置かれた(const 描画面& s, int 番号, int x, int y) {
    const QImage& pic = s.絵の画像(番号);
    const QImage block = s.画像().copy(x, y, pic.width(), pic.height());
    EXPECT_EQ(block.convertToFormat(QImage::Format_RGB32),
              pic.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(黒(画素色(s, x - 1, y)));
    EXPECT_TRUE(黒(画素色(s, x + pic.width(), y)));
    EXPECT_TRUE(黒(画素色(s, x, y - 1)));
    EXPECT_TRUE(黒(画素色(s, x, y + pic.height())));
}

TEST(描画面, 絵は左上を桝の点に合わせて原寸で写す) {
    描画面 s(1.0);
    s.絵(絵_空桝, 1620, 760);
    絵が置かれた(s, 絵_空桝, 108, 51);
    描画面 t(1.0);
    t.絵(絵番号(950), 3900, 760);  // the top king on (5, 1)
    絵が置かれた(t, 絵番号(950), 260, 51);
    描画面 u(2.0);
    u.絵(絵_ロゴ, 7206, 100);  // (10.8, 0)
    絵が置かれた(u, 絵_ロゴ, 961, 13);
}

TEST(描画面, 端にかかる絵は画像の内側だけを写す) {
    // Tiles left of and above the window, and past the image's right and bottom edges.
    for (const qreal dpr : {1.0, 1.5}) {
        描画面 s(dpr);
        QImage 期待 = s.画像().copy();
        const int tile = 絵_背景 + 背景_煉瓦 - 背景_緑;
        const std::pair<int, int> 点一覧[] = {{-300, -300},  {-300, 4000},  {17300, 11700},
                                              {17300, -300}, {8000, 11700}, {-660, -1220},
                                              {17700, 12100}};
        for (const auto& [X, Y] : 点一覧) {
            s.絵(tile, X, Y);
            s.模様(tile).敷く(期待, QRect(QPoint(s.画素(X), s.画素(Y)), s.絵の画像(tile).size()));
        }
        EXPECT_EQ(s.画像(), 期待) << dpr;
    }
}

TEST(描画面, 地色は盤の地だけに付き駒はそのまま) {
    for (const qreal dpr : {1.0, 2.0}) {
        描画面 plain(dpr), tinted(dpr);
        const int 歩の絵 = 絵番号(-10);
        plain.絵(歩の絵, 1620, 760);
        const QImage& pic = plain.絵の画像(歩の絵);
        const int x0 = plain.画素(1620), y0 = plain.画素(760);
        QColor last;
        for (int 濃さ = 1; 濃さ <= 3; ++濃さ) {
            tinted.地色付きの絵(歩の絵, 1620, 760, 9, 濃さ);  // light blue
            // The corner shows the board: bluer with every shade, never less red than black.
            const QColor corner = 画素色(tinted, x0 + 1, y0 + 1);
            const QColor bare = 画素色(plain, x0 + 1, y0 + 1);
            EXPECT_GT(corner.blue(), bare.blue()) << dpr << " " << 濃さ;
            EXPECT_LT(corner.red(), bare.red()) << dpr << " " << 濃さ;
            if (last.isValid()) {
                EXPECT_GT(corner.blue(), last.blue()) << dpr << " " << 濃さ;
            }
            last = corner;
            // The middle of the piece, its kanji included, is the picture's own.
            for (int dy = -4; dy <= 4; ++dy)
                for (int dx = -4; dx <= 4; ++dx) {
                    const int x = x0 + pic.width() / 2 + dx, y = y0 + pic.height() / 2 + dy;
                    EXPECT_EQ(画素色(tinted, x, y), 画素色(plain, x, y)) << dpr << " " << x;
                }
        }
        // The empty square is tinted all over; strength 0 is the plain picture.
        tinted.地色付きの絵(絵_空桝, 1620, 760, 12, 2);
        const int mx = x0 + pic.width() / 2, my = y0 + pic.height() / 2;
        plain.絵(絵_空桝, 1620, 760);
        EXPECT_GT(画素色(tinted, mx, my).red(), 画素色(plain, mx, my).red() - 1);
        EXPECT_LT(画素色(tinted, mx, my).green(), 画素色(plain, mx, my).green());
        tinted.地色付きの絵(絵_空桝, 1620, 760, 12, 0);
        絵が置かれた(tinted, 絵_空桝, x0, y0);
    }
}

TEST(描画面, 表示を通して描いた桝と輪郭が重なる) {
    描画面 s(1.0);
    test::表示試験::進む時計 clock;
    局面 p;
    進行状態 st;
    表示 view(s, clock, p, st);
    view.描画_絵(0, 1, 1);
    view.描画_桝輪郭(0, 1, 1);
    view.描画_桝輪郭(12, 2, 1);
    // The picture is one pixel wider than the cell: its last column lies under the next outline.
    EXPECT_TRUE(明赤(画素色(s, 146, 60)));
    EXPECT_FALSE(黒(画素色(s, 145, 60)));
    EXPECT_TRUE(黒(画素色(s, 108, 60)));
}

struct 文字の範囲 {
    int 画素数 = 0;
    QRect 枠;
};

文字の範囲 明るい画素(const 描画面& s) {
    文字の範囲 r;
    const QImage& img = s.画像();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!黒(img.pixelColor(x, y))) {
                ++r.画素数;
                r.枠 |= QRect(x, y, 1, 1);
            }
    return r;
}

TEST(描画面, 文字は点を左上にして透明に印字する) {
    描画面 s(1.0);
    s.文字(9093, 2372, "手目", 10, 15);  // pixel (606, 158)
    const auto r = 明るい画素(s);
    ASSERT_GT(r.画素数, 20);
    EXPECT_GE(r.枠.left(), 606);
    EXPECT_GE(r.枠.top(), 158);
    EXPECT_LE(r.枠.right(), 606 + 30);
    EXPECT_LE(r.枠.bottom(), 158 + 18);
    // Transparent: a picture under the text still shows between the strokes.
    描画面 t(1.0);
    t.絵(絵_背景, 9030, 2080);
    const QImage 前 = t.画像().copy(602, 139, 40, 45);
    t.文字(9093, 2372, "手目", 10, 15);
    const QImage 後 = t.画像().copy(602, 139, 40, 45);
    int 同じ = 0;
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 40; ++x) 同じ += 前.pixel(x, y) == 後.pixel(x, y);
    EXPECT_GT(同じ, 40 * 45 * 3 / 4);
}

TEST(描画面, 文字の大きさと太字) {
    描画面 細(1.0), 太(1.0), 大(1.0);
    細.文字(1050, 100, "九", 12, 14);
    太.太字(true);
    太.文字(1050, 100, "九", 12, 14);
    大.文字(1050, 100, "九", 16, 14);
    const auto a = 明るい画素(細), b = 明るい画素(太), c = 明るい画素(大);
    EXPECT_GT(b.画素数, a.画素数);
    EXPECT_GT(c.枠.height(), a.枠.height());
}

TEST(描画面, 変更を知らせて今すぐ表示を頼む) {
    描画面 s(2.0);
    QRect changed;
    int shown = 0;
    s.変更通知 = [&](const QRect& r) { changed |= r; };
    s.即時表示 = [&] { ++shown; };
    s.絵(絵_空桝, 1620, 760);
    // Logical pixels (108, 51) to (146, 94) are inside what was reported.
    EXPECT_TRUE(changed.contains(QRect(108, 51, 39, 44)));
    s.今すぐ表示();
    EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace yukora::window
