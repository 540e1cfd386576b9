// The influence display on the board: tints and counts kept in step with the position, and
// the outlines they must not disturb.
#include <cmath>
#include <string>

#include "display/display.h"
#include "display/grid.h"
#include "game/palette.h"

namespace yukora {
namespace {

constexpr int 数の大きさ = 7;  // points
constexpr int 影のずれ = 画素あたりtwip;
// Where the counts stand in a square, in twips from its top-left corner: the top side's in the
// upper right corner, the bottom side's in the lower left, each on its own side of the piece.
constexpr int 上の数X = 455, 上の数Y = 10, 下の数X = 45, 下の数Y = 485;

}  // namespace

std::int8_t* 表示::輪郭の記録(double x, double y) {
    if (x != std::floor(x) || y != std::floor(y)) return nullptr;
    const int cx = static_cast<int>(x), cy = static_cast<int>(y);
    if (cx < 敵持駒列 || cx > 自持駒列 || cy < 0 || cy > 10) return nullptr;
    return &輪郭色_[cx + 1][cy];
}

int 表示::輪郭色(int x, int y) const {
    if (x < 敵持駒列 || x > 自持駒列 || y < 0 || y > 10) return 色_黒;
    return 輪郭色_[x + 1][y];
}

void 表示::勢力の数を描く(const 勢力地色& t, double x, double y) {
    const auto 数 = [&](int n, int dx, int dy) {
        if (n <= 0) return;
        const std::string text = std::to_string(n);
        const int X = 桝のX(x) + dx, Y = 桝のY(y) + dy;
        画面_.文字(X + 影のずれ, Y + 影のずれ, text, 数の大きさ, 色_黒);
        画面_.文字(X, Y, text, 数の大きさ, 色_白);
    };
    数(t.上, 上の数X, 上の数Y);
    数(t.下, 下の数X, 下の数Y);
}

void 表示::勢力地色を合わせる(bool on) {
    const 地色表 next = on ? 局面の地色表(局面_) : 地色表{};
    if (next == 地色_) return;
    const auto kept = 輪郭色_;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (next[x][y] == 地色_[x][y]) continue;
            地色_[x][y] = next[x][y];
            描画_絵(局面_.盤[x][y], x, y);
            描画_桝輪郭(色_黒, x, y);
        }
    // A redrawn square took the edges it shares with its neighbours; marks come back on top.
    for (int x = 敵持駒列; x <= 自持駒列; ++x)
        for (int y = 0; y <= 10; ++y)
            if (kept[x + 1][y] != 色_黒) 描画_桝輪郭(kept[x + 1][y], x, y);
}

}  // namespace yukora
