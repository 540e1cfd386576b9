// The program assembled: the game state, the display core and the Qt adapters around them.
#pragma once
#include <memory>

#include "display/display.h"
#include "display/sound_cue.h"
#include "display/window_events.h"
#include "flow/flow_state.h"
#include "rules/position.h"
#include "window/canvas_image.h"
#include "window/main_window.h"
#include "window/qt_ports.h"

namespace yukora::window {

class 窓アプリ final : private 窓イベント {
public:
    // `dpr` device pixels per logical pixel for the persistent image and the pictures.
    explicit 窓アプリ(qreal dpr);

    // The start: the game state reset to the starting position and the window painted.
    void 開始();

    主窓& 窓() { return 窓_; }
    表示& 表示部() { return 表示_; }
    描画面& 画像() { return 画像_; }
    局面& 局面部() { return 局面_; }
    進行状態& 進行() { return 進行_; }

private:
    // Until the game flow takes these over: leaving, and turning the board round.
    void メニュー選択(std::string_view control) override;
    void マウス押下(int, int, int) override {}
    void キー押下(int code) override;
    void 閉じる() override {}

    class 無音 final : public 効果音 {
        void 鳴らす(const char*) override {}
    };

    局面 局面_;
    進行状態 進行_;
    描画面 画像_;
    Qt時計 時計_;
    Qtタイマー タイマー_;
    表示 表示_;
    主窓 窓_;
    Qtダイアログ ダイアログ_;
    無音 音_;
};

}  // namespace yukora::window
