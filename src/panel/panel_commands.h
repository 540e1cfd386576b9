// Opening and closing the record panel, its drive list and the handicap refusal box.
#pragma once
#include <string>

#include "game/dialog_port.h"
#include "game/state.h"
#include "panel/record_panel.h"

namespace yukora {

// Visibility of Drive1, Dir1 and File1.
void 描画_可視(棋譜パネル& panel, bool drive, bool folder, bool files);

// Mode 0 shows the text boxes, captions and button; any other mode clears the four texts
// and hides them all. Either hides the list of formats.
void 描画_棋譜_IO(棋譜パネル& panel, int mode);

// Hides the whole panel and clears its text boxes: the menus "対局", "局面", "ｵﾌﾟｼｮﾝ",
// every mouse press on the window, "戻" and "進".
void 棋譜パネル_閉じる(棋譜パネル& panel);

// "読込": the three lists, no text boxes.
void KIFU_READ_Click(棋譜パネル& panel);

// The ".棋譜" file holds neither a turned board nor a handicap start: tells the user and
// returns true when the game is one of those.
bool 棋譜書込を断る(ダイアログ& dialog, const 進行状態& s);

// "書込": refused on a turned board or after a handicap was set; else the drive and folder
// lists with the text boxes, keeping what was typed.
void KIFU_WRITE_Click(棋譜パネル& panel, ダイアログ& dialog, const 進行状態& s);

// A drive was chosen in the drive list. Returns 1 when the folder list may follow it;
// 0 after telling the user that the device is not ready (its root cannot be read).
int Drive1_Change(ダイアログ& dialog, bool 読める);

// True when the folder can be listed (a volume that is mounted and ready).
bool フォルダ読取可(const std::string& folder);

// The handicap commands' refusal box: 1 record mode, 2 game in progress, 3 turned board.
void 描画_メッセージ(ダイアログ& dialog, int reason);

}  // namespace yukora
