// Strength level and handicap commands.
#include "computer/handicap.h"
#include "flow/game.h"
#include "game/palette.h"
#include "panel/panel_commands.h"

namespace yukora {

void ゲーム::LEVEL_Click(int n) {
    for (int x = -2; x <= 0; ++x) 表示_.描画_絵(表示_.状態.背景画番号, x, 0);
    レベル_設定(n);
}

void ゲーム::レベル_設定(int n) {
    for (int level = 1; level <= 3; ++level) 窓口_.menu.印設定(レベル項目(level), false);
    if (n >= 1 && n <= 3) {
        窓口_.menu.印設定(レベル項目(n), true);
        状態.進行.強さ.レベル = n;
    }
    if (状態.進行.番.対局モード == 1) 描画_レベル(状態.進行.強さ.レベル);
}

void ゲーム::描画_レベル(int n) {
    表示_.描画_数値(-1.4, 0.2, std::string_view("LEVEL"), 色_黒, 0, 10);
    表示_.描画_数値(-1.5, 0.1, std::string_view("LEVEL"), 色_白, 0, 10);
    表示_.描画_数値(0.1, 0.1, n, 色_黒, 0, 12);
    表示_.描画_数値(0, 0, n, 色_白, 0, 12);
}

void ゲーム::描画_ハンデレベル(int n) {
    for (int x = 11; x <= 14; ++x) 表示_.描画_絵(表示_.状態.背景画番号, x, 1);
    表示_.描画_文字列(11.1, 1.1, n, 色_黒, 10);
    表示_.描画_文字列(11, 1, n, 色_白, 10);
}

namespace {

template <typename Step>
void ハンデを変える(ゲーム& g, 棋譜パネル& panel, ダイアログ& dialog, Step step) {
    棋譜パネル_閉じる(panel);
    const ハンデ結果 r = step(g.状態.盤面, g.状態.進行);
    if (r.拒否 != 0) {
        g.効果音(音::禁止);
        描画_メッセージ(dialog, r.拒否);
        return;
    }
    if (!r.盤変更) return;
    g.描画_ハンデレベル(g.状態.進行.強さ.ハンデレベル);
    表示& view = g.表示部();
    view.描画_絵(g.状態.盤面.盤[r.x][r.y], r.x, r.y);
    view.描画_桝輪郭(色_黒, r.x, r.y);
    g.効果音(音::駒打);
}

}  // namespace

void ゲーム::LBEL_UP_Click() { ハンデを変える(*this, 窓口_.panel, 窓口_.dialog, ハンデ上げ); }
void ゲーム::LEBEL_DOWN_Click() { ハンデを変える(*this, 窓口_.panel, 窓口_.dialog, ハンデ下げ); }

}  // namespace yukora
