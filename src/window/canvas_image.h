// The persistent image of the client area: the screen port drawn in twips onto device pixels.
#pragma once
#include <QFont>
#include <QImage>
#include <QRect>
#include <array>
#include <functional>
#include <optional>

#include "display/pictures.h"
#include "game/screen_port.h"
#include "window/background_tiling.h"
#include "window/drawing_record.h"
#include "window/pictures/piece_glyphs.h"

namespace yukora::window {

// The window font as the program names it; mapped to IPA P明朝.
inline constexpr const char* 窓の書体 = "ＭＳ Ｐ明朝";

// Makes the 35 pictures for a number of device pixels per 15 twips.
using 絵の作り手 = std::function<std::array<QImage, 絵の数>(qreal)>;

class 描画面 final : public 画面 {
public:
    // `dpr` device pixels per logical pixel; a logical pixel is 15 twips at 100 %. The
    // pictures come from `maker`, all at once, when it is given; else the program draws each
    // the first time it is needed.
    explicit 描画面(qreal dpr, 絵の作り手 maker = nullptr);

    void 絵(int 番号, int X, int Y) override;
    void 地色付きの絵(int 番号, int X, int Y, int 色, int 濃さ) override;
    void 輪郭(int 色, int X1, int Y1, int X2, int Y2) override;
    void 文字(int X, int Y, std::string_view text, int 大きさ, int 色) override;
    void 太字(bool on) override;
    void 今すぐ表示() override;

    // The zoom multiplies the screen's pixel ratio: the pictures are made anew at the new
    // size and everything drawn so far is drawn again on an image of that size.
    void 表示倍率設定(qreal zoom);
    qreal 表示倍率() const { return zoom_; }

    const QImage& 画像() const { return 画像_; }
    // Device pixels per logical pixel of the screen.
    qreal 画面倍率() const { return dpr_; }
    // Device pixels per 15 twips: the screen's ratio times the zoom.
    qreal 倍率() const { return dpr_ * zoom_; }
    const QImage& 絵の画像(int 番号) const;
    const QFont& 書体() const { return 書体_; }
    // Device pixel of a twip coordinate.
    int 画素(int twips) const;
    // The picture the background was last tiled with (the one drawn left of or above the
    // client area), -1 before any.
    int 地の絵() const { return 地の絵_; }
    // The tiling of background picture `番号` at the present size, made at its first use.
    const 地の模様& 模様(int 番号);
    const 描画記録& 記録() const { return 記録_; }

    // Told which logical rectangle changed (device pixels over the screen's ratio), and asked
    // to show the image at once.
    std::function<void(const QRect&)> 変更通知;
    std::function<void()> 即時表示;

private:
    void 絵を描く(int 番号, int X, int Y);
    void 地色付きの絵を描く(int 番号, int X, int Y, int 色, int 濃さ);
    void 輪郭を描く(int 色, int X1, int Y1, int X2, int Y2);
    // Where the text's strokes went, in twips from its point: left, top, right, bottom.
    std::array<int, 4> 文字を描く(int X, int Y, std::string_view text, int 大きさ, int 色,
                                  bool bold);
    void 変更(const QRect& device);
    void 画像に置く(const QImage& src, int X, int Y);
    void 写す(const QImage& src, QPoint at);
    // The pictures for the present ratio: all made by the given maker, or none made yet.
    void 絵を用意();
    // Where picture `番号` shows the bare board, made at its first use.
    const QImage& 地の覆い(int 番号);

    qreal dpr_;
    qreal zoom_ = 1.0;
    絵の作り手 作り手_;
    QImage 画像_;
    mutable std::array<QImage, 絵の数> 絵_;  // null until first needed
    mutable 駒の字形 字形_;                  // the pieces' kanji, shared by both players
    bool 文字あり_ = false;                  // a text was drawn
    std::array<QImage, 絵の数> 覆い_;
    std::array<std::optional<地の模様>, 絵の数> 模様_;  // the backgrounds' only
    QFont 書体_;
    int 地の絵_ = -1;
    描画記録 記録_;
};

}  // namespace yukora::window
