// Every platform interface the game uses, handed over by the program's main.
#pragma once
#include <cstdint>
#include <functional>

#include "engine/engine_ports.h"
#include "flow/desktop_port.h"
#include "flow/menu_port.h"
#include "game/clock_port.h"
#include "game/dialog_port.h"
#include "game/screen_port.h"
#include "help/ports.h"
#include "panel/record_panel.h"
#include "review/review_port.h"
#include "settings/settings_ports.h"
#include "sound/sound_library_port.h"

namespace yukora {

struct ゲームの窓口 {
    画面& screen;
    時計& clock;
    タイマー& timer;
    ダイアログ& dialog;
    メニュー& menu;
    棋譜パネル& panel;
    サウンドライブラリ& sound;
    ブラウザ& browser;
    版情報窓& version;
    std::function<void()> 終了;       // ends the program
    std::intptr_t 窓番号 = 0;         // the window the sound library is opened for
    表示倍率の窓* 倍率 = nullptr;     // the window's zoom; none keeps everything at 100 %
    デスクトップ* desktop = nullptr;  // file dialogs and clipboard; none: those commands do nothing
    エンジンの窓口* エンジン = nullptr;    // engine processes; none: no engine games
    棋譜リストの窓* 棋譜リスト = nullptr;  // the move list and graph; none shows neither
};

}  // namespace yukora
