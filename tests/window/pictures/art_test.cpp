#include "window/pictures/art.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

#include "display/pictures.h"
#include "game/pieces.h"
#include "window/canvas_image.h"
#include "window/pictures/piece_glyphs.h"

namespace yukora::window {
namespace {

TEST(絵, 三十五枚がそれぞれの大きさ) {
    for (qreal dpr : {1.0, 2.0}) {
        const auto all = 全部の絵を作る(dpr);
        for (int i = 0; i < 絵の数; ++i) {
            EXPECT_EQ(all[i].width(), qRound(絵一覧[i].幅 * dpr)) << 絵一覧[i].名前;
            EXPECT_EQ(all[i].height(), qRound(絵一覧[i].高さ * dpr)) << 絵一覧[i].名前;
        }
    }
}

// The shared outlines must draw every piece exactly as a fresh outline of its own does, at every
// zoom, whichever size asked first.
TEST(絵, 共有の字形で描いた駒は一つずつ描いた駒と同じ) {
    for (qreal dpr : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        駒の字形 字形;
        const QImage empty = 絵を作る(絵_空桝, dpr);
        for (int i = 絵_上の駒 + 絵_背景 - 1 - 絵_下の駒; i >= 絵_下の駒; --i) {
            const int n = i % (絵_背景 - 絵_下の駒) + 絵_下の駒;  // starts with the top side's
            EXPECT_TRUE(絵を作る(n, dpr, empty, &字形) == 絵を作る(n, dpr, empty))
                << 絵一覧[n].名前 << " at " << dpr;
        }
    }
}

// Pixels of a piece picture that differ from the empty square, in the top and bottom rows.
std::pair<int, int> 上下の駒画素(const QImage& piece, const QImage& empty) {
    int top = 0, bottom = 0;
    for (int x = 0; x < piece.width(); ++x)
        for (int d = 4; d < 9; ++d) {
            top += piece.pixel(x, d) != empty.pixel(x, d);
            const int y = piece.height() - 1 - d;
            bottom += piece.pixel(x, y) != empty.pixel(x, y);
        }
    return {top, bottom};
}

TEST(絵, 下の駒は上を向き上の駒は下を向く) {
    const QImage empty = 絵を作る(絵_空桝, 1.0);
    for (int code : {歩, 香, 桂, 銀, 金, 角, 飛, 王, と, 飛成}) {
        const auto [下上, 下下] = 上下の駒画素(絵を作る(絵番号(-code), 1.0), empty);
        const auto [上上, 上下] = 上下の駒画素(絵を作る(絵番号(code), 1.0), empty);
        EXPECT_GT(下下, 下上) << code;  // narrow point at the top
        EXPECT_GT(上上, 上下) << code;  // turned round
    }
}

int 赤い画素(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            n += c.red() > 150 && c.green() < 70 && c.blue() < 70;
        }
    return n;
}

TEST(絵, 成駒の名は赤) {
    for (int code : {と, 香成, 桂成, 銀成, 角成, 飛成, -と, -飛成})
        EXPECT_GT(赤い画素(絵を作る(絵番号(code), 1.0)), 20) << code;
    for (int code : {歩, 香, 桂, 銀, 金, 角, 飛, 王, -王})
        EXPECT_EQ(赤い画素(絵を作る(絵番号(code), 1.0)), 0) << code;
}

TEST(絵, 駒ごとに違う字) {
    for (int i = 絵_下の駒; i < 絵_上の駒; ++i)
        for (int j = i + 1; j < 絵_上の駒; ++j)
            EXPECT_NE(絵を作る(i, 1.0), 絵を作る(j, 1.0))
                << 絵一覧[i].名前 << " " << 絵一覧[j].名前;
}

TEST(絵, 背景は格子の間隔で継ぎ目なく繰り返す) {
    for (qreal dpr : {1.0, 2.0}) {
        const int px = qRound(38 * dpr), py = qRound(44 * dpr);
        for (int n = 背景_緑; n <= 背景_煉瓦; ++n) {
            const QImage tile = 絵を作る(絵_背景 + n - 背景_緑, dpr);
            // The overlap with the next tile repeats the first columns and rows.
            for (int y = 0; y < tile.height(); ++y)
                for (int x = px; x < tile.width(); ++x)
                    ASSERT_EQ(tile.pixel(x, y), tile.pixel(x - px, y)) << n << " " << dpr;
            for (int y = py; y < tile.height(); ++y)
                for (int x = 0; x < tile.width(); ++x)
                    ASSERT_EQ(tile.pixel(x, y), tile.pixel(x, y - py)) << n << " " << dpr;
        }
    }
}

TEST(絵, 背景はそれぞれ違う) {
    for (int i = 絵_背景; i < 絵_ロゴ; ++i)
        for (int j = i + 1; j < 絵_ロゴ; ++j) EXPECT_NE(絵を作る(i, 1.0), 絵を作る(j, 1.0));
}

TEST(絵, 空桝を渡して描いた駒も描画面が初めて描く絵も元から描いた絵と同じ) {
    for (qreal dpr : {1.0, 1.5, 2.0}) {
        const QImage 空桝 = 絵を作る(絵_空桝, dpr);
        const QImage 写し = 空桝.copy();
        描画面 canvas(dpr);
        for (int i = 0; i < 絵の数; ++i) {
            if (絵一覧[i].駒 != 0) {
                EXPECT_EQ(絵を作る(i, dpr, 空桝), 絵を作る(i, dpr)) << 絵一覧[i].名前;
            }
            EXPECT_EQ(canvas.絵の画像(i), 絵を作る(i, dpr)) << 絵一覧[i].名前 << " " << dpr;
        }
        EXPECT_EQ(空桝, 写し);
    }
}

TEST(絵, アイコンは三十二画素角) {
    const QIcon icon = アイコンを作る();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
}

}  // namespace
}  // namespace yukora::window
