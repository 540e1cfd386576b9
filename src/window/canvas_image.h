// The persistent image of the client area: the screen port drawn in twips onto device pixels.
#pragma once
#include <QFont>
#include <QImage>
#include <QRect>
#include <array>
#include <functional>

#include "display/pictures.h"
#include "game/screen_port.h"

namespace yukora::window {

// The window font as the program names it; mapped to IPA P明朝.
inline constexpr const char* 窓の書体 = "ＭＳ Ｐ明朝";

class 描画面 final : public 画面 {
public:
    // `dpr` device pixels per logical pixel; a logical pixel is 15 twips.
    explicit 描画面(qreal dpr);

    void 絵(int 番号, int X, int Y) override;
    void 地色付きの絵(int 番号, int X, int Y, int 色, int 濃さ) override;
    void 輪郭(int 色, int X1, int Y1, int X2, int Y2) override;
    void 文字(int X, int Y, std::string_view text, int 大きさ, int 色) override;
    void 太字(bool on) override;
    void 今すぐ表示() override;

    const QImage& 画像() const { return 画像_; }
    qreal 倍率() const { return dpr_; }
    // Each picture is drawn the first time it is needed.
    const QImage& 絵の画像(int 番号) const;
    const QFont& 書体() const { return 書体_; }
    // Device pixel of a twip coordinate.
    int 画素(int twips) const;

    // Told which logical rectangle changed, and asked to show the image at once.
    std::function<void(const QRect&)> 変更通知;
    std::function<void()> 即時表示;

private:
    void 変更(const QRect& device);
    void 画像に置く(const QImage& src, int X, int Y);
    void 写す(const QImage& src, QPoint at);
    // Where picture `番号` shows the bare board, made at its first use.
    const QImage& 地の覆い(int 番号);

    qreal dpr_;
    QImage 画像_;
    mutable std::array<QImage, 絵の数> 絵_;  // null until first needed
    std::array<QImage, 絵の数> 覆い_;
    QFont 書体_;
};

}  // namespace yukora::window
