#include "rules/initial_setup.h"

namespace yukora {

void 初期配置(局面& p) {
    p.MAN持駒 = {};
    p.COM持駒 = {};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) p.盤[x][y] = 0;
    constexpr int 後列[10] = {0, 香, 桂, 銀, 金, 王, 金, 銀, 桂, 香};
    for (int x = 1; x <= 9; ++x) {
        p.盤[x][7] = -歩;
        p.盤[x][3] = 歩;
        p.盤[x][9] = static_cast<駒型>(-後列[x]);
        p.盤[x][1] = static_cast<駒型>(後列[x]);
    }
    p.盤[2][8] = -角;
    p.盤[8][8] = -飛;
    p.盤[2][2] = 飛;
    p.盤[8][2] = 角;
}

void 初期設定(局面& p, 進行状態& s, タイマー& timer, 盤描画& view) {
    s.ハンデレベル = 0;
    s.ハンデ設定済 = 0;
    s.対局モード = 0;
    s.勝者 = 0;
    s.手番 = 0;
    s.手順番号 = 0;
    s.手順最終 = 0;  // the earlier game's moves lead nowhere now: nothing to step into or save
    s.手数 = 0;
    s.反転済 = 0;
    timer.有効設定(false);
    s.COM時間 = 0;
    s.MAN時間 = 0;
    s.再開待ち = 0;
    s.棋譜モード = 0;
    s.表示秒 = 0;
    s.選択状態 = 0;
    初期配置(p);
    p.MAN持駒数 = 0;
    p.COM持駒数 = 0;
    view.画面_再描画();
}

}  // namespace yukora
