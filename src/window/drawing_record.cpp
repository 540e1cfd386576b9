#include "window/drawing_record.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "display/grid.h"
#include "display/pictures.h"

namespace yukora::window {
namespace {

// Twips a pixel may stray by rounding at half a device pixel per 15 twips (the smallest size
// the image is drawn at), with room to spare: two pixels.
constexpr int 余白 = 60;

// The cells the background is tiled on (描画_背景), the board's among them: x -3..28, y -2..17.
constexpr int 最小桝X = -3, 最大桝X = 28, 最小桝Y = -2, 最大桝Y = 17;
constexpr int 桝列数 = 最大桝X - 最小桝X + 1, 桝行数 = 最大桝Y - 最小桝Y + 1;

// The pictures as large as a cell or larger: squares, pieces and tiles (not the logo).
bool 桝を覆う絵か(int 番号) {
    const auto& 仕様 = 絵一覧.at(static_cast<std::size_t>(番号));
    return 仕様.幅 >= 駒絵_幅 && 仕様.高さ >= 駒絵_高さ;
}

// Floor division for grid positions left of or above the origin.
int 桝番号(int twips, int origin, int pitch) {
    const int d = twips - origin;
    return d >= 0 ? d / pitch : -((-d + pitch - 1) / pitch);
}

// Which cells later pictures have painted over. A square, piece or tile (39 × 44 pixels and
// more) covers every device pixel of its cell (38 × 44 pixels at 100 %) at 0.5 device pixels
// per 15 twips or more, as long as a cell is a whole number of pixels high: at every listed
// zoom on a screen of whole-number pixel ratio, and when fitting the window.
class 覆われた桝 {
public:
    void 覆う(int cx, int cy) {
        if (範囲内(cx, cy))
            桝_[static_cast<std::size_t>((cy - 最小桝Y) * 桝列数 + cx - 最小桝X)] = true;
    }
    // True when every cell the twip box [X1, X2] × [Y1, Y2] touches is covered.
    bool 隠れる(int X1, int Y1, int X2, int Y2) const {
        const int c1 = 桝番号(X1, 盤原点X, 桝幅), c2 = 桝番号(X2, 盤原点X, 桝幅);
        const int r1 = 桝番号(Y1, 盤原点Y, 桝高), r2 = 桝番号(Y2, 盤原点Y, 桝高);
        for (int cy = r1; cy <= r2; ++cy)
            for (int cx = c1; cx <= c2; ++cx)
                if (!範囲内(cx, cy) ||
                    !桝_[static_cast<std::size_t>((cy - 最小桝Y) * 桝列数 + cx - 最小桝X)])
                    return false;
        return true;
    }

private:
    static bool 範囲内(int cx, int cy) {
        return cx >= 最小桝X && cx <= 最大桝X && cy >= 最小桝Y && cy <= 最大桝Y;
    }
    std::array<bool, 桝列数 * 桝行数> 桝_{};
};

// A picture, tinted or not, covers the same pixels.
描画命令 絵の命令(描画命令::種類 kind, int 番号, int X, int Y) {
    const auto& 仕様 = 絵一覧.at(static_cast<std::size_t>(番号));
    描画命令 c;
    c.kind = kind;
    c.番号 = 番号;
    c.X = X;
    c.Y = Y;
    c.左 = X;
    c.上 = Y;
    c.右 = X + 仕様.幅 * 画素あたりtwip + 余白;
    c.下 = Y + 仕様.高さ * 画素あたりtwip + 余白;
    return c;
}

using 鍵 = std::array<int, 4>;
struct 鍵のハッシュ {
    std::size_t operator()(const 鍵& k) const {
        std::uint64_t h = 1469598103934665603ull;
        for (const int v : k) h = (h ^ static_cast<std::uint32_t>(v)) * 1099511628211ull;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

}  // namespace

void 描画記録::絵(int 番号, int X, int Y) { 足す(絵の命令(描画命令::種類::絵, 番号, X, Y)); }

void 描画記録::地色付きの絵(int 番号, int X, int Y, int 色, int 濃さ) {
    描画命令 c = 絵の命令(描画命令::種類::地色付きの絵, 番号, X, Y);
    c.色 = 色;
    c.濃さ = 濃さ;
    足す(std::move(c));
}

void 描画記録::輪郭(int 色, int X1, int Y1, int X2, int Y2) {
    描画命令 c;
    c.kind = 描画命令::種類::輪郭;
    c.番号 = 色;
    c.X = X1;
    c.Y = Y1;
    c.X2 = X2;
    c.Y2 = Y2;
    c.左 = X1;
    c.上 = Y1;
    c.右 = X2 + 余白;
    c.下 = Y2 + 余白;
    足す(std::move(c));
}

void 描画記録::文字(int X, int Y, std::string_view text, int 大きさ, int 色, bool 太字,
                    const std::array<int, 4>& 墨) {
    描画命令 c;
    c.kind = 描画命令::種類::文字;
    c.太字 = 太字;
    c.番号 = 色;
    c.X = X;
    c.Y = Y;
    c.大きさ = 大きさ;
    c.文字列 = std::string(text);
    // Each glyph may come out up to half a pixel wider or narrower at another size (the font's
    // pixel size is rounded), and a pixel more or less for hinting.
    const int 字数 = static_cast<int>(std::count_if(text.begin(), text.end(), [](char b) {
        return (static_cast<unsigned char>(b) & 0xC0) != 0x80;
    }));
    const int 余裕 = 余白 / 4 * (2 + 字数);
    // Strokes that start right of or below the point stay so at every size.
    c.左 = 墨[0] >= 0 ? X : X + 墨[0] - 余裕;
    c.上 = 墨[1] >= 0 ? Y : Y + 墨[1] - 余白;
    c.右 = X + 墨[2] + 余裕;
    c.下 = Y + 墨[3] + 余白;
    足す(std::move(c));
}

void 描画記録::足す(描画命令 c) {
    命令_.push_back(std::move(c));
    if (命令_.size() < 次に詰める数_) return;
    詰める();
    次に詰める数_ = std::max<std::size_t>(4096, 命令_.size() * 2);
}

void 描画記録::詰める() {
    // From the last command back: each is dropped when what came after paints over it.
    覆われた桝 桝;
    std::unordered_set<鍵, 鍵のハッシュ> 後の絵, 後の輪郭;
    後の絵.reserve(命令_.size());
    後の輪郭.reserve(命令_.size());
    std::vector<bool> 残す(命令_.size());
    for (std::size_t i = 命令_.size(); i-- > 0;) {
        const 描画命令& c = 命令_[i];
        bool 隠れる = 桝.隠れる(c.左, c.上, c.右, c.下);
        if (c.kind == 描画命令::種類::絵 || c.kind == 描画命令::種類::地色付きの絵) {
            // A picture of the same size at the same point later paints the same pixels.
            const auto& 仕様 = 絵一覧.at(static_cast<std::size_t>(c.番号));
            隠れる = 隠れる || !後の絵.insert(鍵{仕様.幅, 仕様.高さ, c.X, c.Y}).second;
            if (桝を覆う絵か(c.番号)) {
                const int cx = 桝番号(c.X, 盤原点X, 桝幅), cy = 桝番号(c.Y, 盤原点Y, 桝高);
                if (桝のX(cx) == c.X && 桝のY(cy) == c.Y) 桝.覆う(cx, cy);
            }
        } else if (c.kind == 描画命令::種類::輪郭) {
            隠れる = 隠れる || !後の輪郭.insert(鍵{c.X, c.Y, c.X2, c.Y2}).second;
        }
        残す[i] = !隠れる;
    }
    std::size_t n = 0;
    for (std::size_t i = 0; i < 命令_.size(); ++i)
        if (残す[i]) {
            if (n != i) 命令_[n] = std::move(命令_[i]);
            ++n;
        }
    命令_.resize(n);
}

}  // namespace yukora::window
