// What the window reports to the game: menu commands, presses on the client area, keys, close.
#pragma once
#include <string>

#include "flow/menu_port.h"

namespace yukora {

inline constexpr int ボタン_左 = 1, ボタン_右 = 2, ボタン_中 = 4;
inline constexpr int キー_Esc = 27;
// Keys without a character, beyond every character code.
inline constexpr int キー_左 = 0x110001, キー_右 = 0x110002, キー_Home = 0x110003,
                     キー_End = 0x110004;

class 窓イベント {
public:
    virtual ~窓イベント() = default;
    // A menu item was chosen, or a menu was opened (TAIKYOKU, STOP, OPTION).
    virtual void メニュー選択(メニュー操作 item) = 0;
    // A mouse button went down at (X, Y) twips of the client area.
    virtual void マウス押下(int button, int X, int Y) = 0;
    // A key with this character code was pressed (Esc = 27), or one of the キー_ codes.
    virtual void キー押下(int code) = 0;
    // A row of the move list (the position after that many moves) or a point of the graph
    // was clicked.
    virtual void 手順選択(int 行) { (void)行; }
    // The comment of the move shown was edited to `text` (lines split by '\n').
    virtual void コメント編集(const std::string& text) { (void)text; }
    // Another line of play was chosen for the shown move: branch `k` (1..) of it.
    virtual void 変化選択(int k) { (void)k; }
    // The window is being closed.
    virtual void 閉じる() = 0;
    // A record to open: named on the command line or dropped on the window.
    virtual void ファイルを開く(const std::string& path) { static_cast<void>(path); }
    // The entry `index` of "最近のﾌｧｲﾙ" was chosen.
    virtual void 最近のファイルを開く(int index) { static_cast<void>(index); }
    // The desktop session is ending (logout): the program may be ended without a word.
    virtual void セッション終了() {}
};

}  // namespace yukora
