// What an engine game shows besides the board: both clocks where the game's own clocks are,
// and the engine's thinking in the band below the board.
#include "flow/game.h"
#include "game/palette.h"

namespace yukora {

void ゲーム::エンジン表示を合わせる() {
    エンジン対局& g = *エンジン_;
    エンジン時計を描く(true, false);
    エンジン時計を描く(false, false);
    // The last thinking stays until the next: an engine that answers at once shows it too.
    // The score is seen from the bottom player: the person, or the first engine.
    const std::string text = 思考の行(g.思考, g.思考の局面, g.側の番(true));
    if (!text.empty() && text != g.思考の表示) 思考の帯を描く(text);
}

void ゲーム::エンジン時計を描く(bool 下側, bool 必ず) {
    エンジン対局& g = *エンジン_;
    const int side = g.側の番(下側);
    const ミリ秒 now = 経過ミリ秒();
    const std::string text = 時計の文字(g.時計.残り(side, now), g.時計.秒読み残り(side, now));
    std::string& shown = 下側 ? g.下の時計 : g.上の時計;
    if (!必ず && text == shown) return;
    shown = text;
    const int 背景 = 表示_.状態.背景画番号;
    const std::string_view t(text);
    if (下側) {
        for (int c = 13; c <= 15; ++c) 表示_.描画_絵(背景, c, 9);
        表示_.描画_数値(13.1, 9.3, t, 色_黒, 0, 12);
        表示_.描画_数値(13, 9.2, t, 色_白, 0, 12);
    } else {
        for (int c = -2; c <= 0; ++c) 表示_.描画_絵(背景, c, 9);
        表示_.描画_数値(-1.5, 9.3, t, 色_黒, 0, 12);
        表示_.描画_数値(-1.6, 9.2, t, 色_白, 0, 12);
        表示_.描画_桝輪郭(色_黒, 1, 9);
    }
}

void ゲーム::思考の帯を描く(const std::string& text) {
    エンジン_->思考の表示 = text;
    const int 背景 = 表示_.状態.背景画番号;
    for (int x = -2; x <= 15; ++x) 表示_.描画_絵(背景, x, 10);
    // The band's tiles cover the lower edges of the board's last row and of the hand's slot.
    for (int i = 1; i <= 9; ++i) 表示_.描画_桝輪郭(色_黒, i, 9);
    表示_.描画_桝輪郭(色_黒, 11, 9);
    if (text.empty()) return;
    // A small text: its shadow one pixel off, not the tenth of a cell of the large ones.
    表示_.描画_数値(-1.77, 10.125, std::string_view(text), 色_黒, 0, 10);
    表示_.描画_数値(-1.8, 10.1, std::string_view(text), 色_白, 0, 10);
}

}  // namespace yukora
