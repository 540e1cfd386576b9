#include "rules/initial_setup.h"

namespace yukora {

void 初期設定(局面& p, 進行状態& s, タイマー& timer, 盤描画& view) {
    s.強さ.ハンデレベル = 0;
    s.強さ.ハンデ設定済 = 0;
    s.番.対局モード = 0;
    s.番.勝者 = 0;
    s.番.手番 = 0;
    s.数.手順番号 = 0;
    s.数.手順最終 = 0;  // the earlier game's moves lead nowhere now: nothing to step into or save
    s.数.手数 = 0;
    s.番.反転済 = 0;
    timer.有効設定(false);
    s.時間.COM時間 = 0;
    s.時間.MAN時間 = 0;
    s.番.再開待ち = 0;
    s.番.棋譜モード = 0;
    s.時間.表示秒 = 0;
    s.選択.選択状態 = 0;
    初期配置(p);
    p.MAN持駒数 = 0;
    p.COM持駒数 = 0;
    view.画面_再描画();
}

}  // namespace yukora
