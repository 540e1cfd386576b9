// The players' clocks and the busy wait.
#include "flow/clock_text.h"
#include "flow/game.h"
#include "game/palette.h"
#include "settings/settings_file.h"

namespace yukora {

void ゲーム::Timer1_Timer() {
    進行状態& s = 状態.進行;
    if (!窓口_.timer.有効() || s.番.勝者 != 0) return;
    s.時間.経過秒 = 調査_経過秒(s.時間.手番開始時刻, 窓口_.clock.現在秒());
    const int whole = static_cast<int>(s.時間.経過秒);
    if (whole == s.時間.表示秒) return;
    s.時間.表示秒 = whole;
    if (s.番.手番 == s.番.COM番) 描画_所有時間(s.番.COM番, s.時間.経過秒 + s.時間.COM時間);
    else if (s.番.手番 == s.番.MAN番) 描画_所有時間(s.番.MAN番, s.時間.経過秒 + s.時間.MAN時間);
    窓口_.clock.表示更新();
}

void ゲーム::描画_所有時間(int side, float seconds) {
    // An engine game shows its own clocks there, and its band below the board, on any repaint.
    if (エンジン対局中()) {
        エンジン時計を描く(side == 状態.進行.番.MAN番, true);
        if (side == 状態.進行.番.MAN番) 思考の帯を描く(エンジン_->思考の表示);
        return;
    }
    if (!状態.設定.印.KEIKA) return;
    const std::string text = 調査_時間秒追加結果(seconds);
    消去_所有時間(side);
    if (side == 状態.進行.番.MAN番) {
        表示_.描画_数値(13.1, 9.3, std::string_view(text), 色_黒, 0, 12);
        表示_.描画_数値(13, 9.2, std::string_view(text), 色_白, 0, 12);
    } else if (side == 状態.進行.番.COM番) {
        表示_.描画_数値(-1.5, 9.3, std::string_view(text), 色_黒, 0, 12);
        表示_.描画_数値(-1.6, 9.2, std::string_view(text), 色_白, 0, 12);
        表示_.描画_桝輪郭(色_黒, 1, 9);
    }
}

void ゲーム::消去_所有時間(int side) {
    if (エンジン対局中())
        (side == 状態.進行.番.MAN番 ? エンジン_->下の時計 : エンジン_->上の時計).clear();
    const int 背景 = 表示_.状態.背景画番号;
    if (side == 状態.進行.番.MAN番) {
        for (int c = 13; c <= 15; ++c) 表示_.描画_絵(背景, c, 9);
    } else if (side == 状態.進行.番.COM番) {
        for (int c = -2; c <= 0; ++c) 表示_.描画_絵(背景, c, 9);
    }
}

void ゲーム::待ち時間(float seconds) { 窓口_.clock.待ち時間(seconds); }

void ゲーム::KEIKA_Click() {
    オプション印& 印 = 状態.設定.印;
    if (印.KEIKA) {
        印.KEIKA = false;
        窓口_.timer.有効設定(false);
        消去_所有時間(状態.進行.番.MAN番);
        消去_所有時間(状態.進行.番.COM番);
    } else {
        印.KEIKA = true;
        窓口_.timer.有効設定(true);
        描画_所有時間(状態.進行.番.COM番, 状態.進行.時間.COM時間);
        描画_所有時間(状態.進行.番.MAN番, 状態.進行.時間.MAN時間);
    }
    窓口_.menu.印設定(メニュー操作::KEIKA, 印.KEIKA);
    書込_環境設定ファイル(設定フォルダ(), 状態.設定);
}

}  // namespace yukora
