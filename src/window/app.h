// The program assembled: the Qt adapters around the game.
#pragma once
#include <filesystem>
#include <memory>

#include "flow/game.h"
#include "settings/file_places.h"
#include "sound/sound_library_port.h"
#include "window/canvas_image.h"
#include "window/desktop_dialogs.h"
#include "window/engine_dialog.h"
#include "window/main_window.h"
#include "window/panel/record_panel_widgets.h"
#include "window/qt_browser.h"
#include "window/qt_engine_process.h"
#include "window/qt_ports.h"
#include "window/quit_signals.h"
#include "window/version_dialog.h"

namespace yukora::window {

class 窓アプリ final {
public:
    // `dpr` device pixels per logical pixel for the persistent image and the pictures;
    // `folder` the folder current at start-up (settings, sounds, help page); `sound` the sound
    // library, or none to load the real one from beside the executable.
    explicit 窓アプリ(qreal dpr, std::filesystem::path folder = std::filesystem::current_path(),
                      std::unique_ptr<サウンドライブラリ> sound = nullptr);
    // `places` where the data, the sound library, the settings and the records are.
    窓アプリ(qreal dpr, const 置き場& places, std::unique_ptr<サウンドライブラリ> sound = nullptr);
    ~窓アプリ();

    // The start: settings, the starting position painted, the window placed; the sound
    // follows the window's first paint.
    void 開始();
    // Opens the record the command line names (its first argument after the program's that is
    // no option; a file: address too), as the record panel would.
    void 引数の棋譜を開く(const QStringList& arguments);
    // True once the game asked to end (終わり, Esc, a signal), even before the event loop ran.
    bool 終了済み() const { return 終了済み_; }

    主窓& 窓() { return 窓_; }
    ゲーム& 対局() { return *ゲーム_; }
    表示& 表示部() { return ゲーム_->表示部(); }
    描画面& 画像() { return 画像_; }
    局面& 局面部() { return ゲーム_->状態.盤面; }
    進行状態& 進行() { return ゲーム_->状態.進行; }
    棋譜パネル部品& 棋譜パネル() { return *パネル_; }
    版情報ダイアログ& 版情報() { return 版情報_; }
    Qtダイアログ& ダイアログ() { return ダイアログ_; }
    Qtエンジン設定窓& エンジン設定() { return エンジン設定_; }
    エンジン墓場& 墓場() { return 墓場_; }
    エンジンの窓口& エンジン窓口() { return エンジン窓口_; }

private:
    void 終わる();

    置き場 置き場_;
    描画面 画像_;
    Qt時計 時計_;
    Qtタイマー タイマー_;
    主窓 窓_;
    Qtダイアログ ダイアログ_;
    Qtブラウザ ブラウザ_;
    Qtデスクトップ デスクトップ_;
    版情報ダイアログ 版情報_;
    std::unique_ptr<サウンドライブラリ> 音_;
    // Before the game, so that the engines it leaves are ended and reaped after it.
    エンジン墓場 墓場_;
    Qt経過時計 経過_;
    Qt刻み 刻み_{刻みの間隔ms};
    Qtエンジン設定窓 エンジン設定_;
    エンジンの窓口 エンジン窓口_;
    std::unique_ptr<棋譜パネル部品> パネル_;
    std::unique_ptr<ゲーム> ゲーム_;
    bool 終了済み_ = false;
    // Last, so that it goes first: no signal reaches a game being torn down.
    終了シグナル シグナル_;
};

// A sound library that plays nothing, for tests and measurements.
class 無音ライブラリ final : public サウンドライブラリ {
public:
    std::int32_t dsInitialize(std::intptr_t) override { return 1; }
    std::int32_t dsTerminate(std::int32_t) override { return 1; }
    std::int32_t dsCreateDSB(std::int32_t, const std::uint8_t*, std::size_t,
                             std::int32_t) override {
        return 0;
    }
    std::int32_t dsFree(std::int32_t) override { return 0; }
    std::int32_t dsPlay(std::int32_t) override { return 0; }
    std::int32_t dsPlayLooping(std::int32_t) override { return 0; }
    std::int32_t dsStop(std::int32_t) override { return 0; }
};

}  // namespace yukora::window
