// What has been drawn on the persistent image, in twips, so that it can be drawn again at
// another size. Commands that later pictures hide are dropped as the record grows, so it stays
// about as long as what one screen holds.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace yukora::window {

struct 描画命令 {
    enum class 種類 : std::uint8_t { 絵, 地色付きの絵, 輪郭, 文字 };
    種類 kind = 種類::絵;
    bool 太字 = false;     // 文字
    int 番号 = 0;          // 絵: the picture; 輪郭, 文字: the palette colour
    int X = 0, Y = 0;      // top-left point
    int X2 = 0, Y2 = 0;    // 輪郭: the other corner
    int 大きさ = 0;        // 文字: points
    int 色 = 0, 濃さ = 0;  // 地色付きの絵: the tint
    std::string 文字列;
    // The twips the command may touch at any size the image is drawn at (a little more).
    int 左 = 0, 上 = 0, 右 = 0, 下 = 0;
};

class 描画記録 {
public:
    void 絵(int 番号, int X, int Y);
    void 地色付きの絵(int 番号, int X, int Y, int 色, int 濃さ);
    void 輪郭(int 色, int X1, int Y1, int X2, int Y2);
    // `墨` the twips the text's strokes covered where it was drawn, from (X, Y): left, top,
    // right and bottom (antialiasing included right and below).
    void 文字(int X, int Y, std::string_view text, int 大きさ, int 色, bool 太字,
              const std::array<int, 4>& 墨);

    const std::vector<描画命令>& 命令() const { return 命令_; }
    // Drops every command whose pixels later ones paint over at any size of 0.5 device pixels
    // per 15 twips or more.
    void 詰める();

private:
    void 足す(描画命令 c);

    std::vector<描画命令> 命令_;
    std::size_t 次に詰める数_ = 4096;
};

}  // namespace yukora::window
