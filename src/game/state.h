// The progress of the one game, in the groups it holds: turn and sides, the selection made
// with the mouse, the counters, the clocks and the strength. The flow owns them and changes
// them; the subsystems below it read (and some write) the groups they are handed.
#pragma once

namespace yukora {

// Whose turn it is, who plays which side, and the modes of the game.
struct 手番型 {
    int 手番 = 0;        // side to move: 1, -1, or 0 before the first game
    int MAN番 = -1;      // side value of the bottom player
    int COM番 = 1;       // side value of the top player, always -MAN番
    int 勝者 = 0;        // side value of the winner; 0 while the game goes on
    int 対局モード = 0;  // 0 two humans, 1 against the computer
    int 棋譜モード = 0;  // 1 while a loaded record is stepped through
    int 再開待ち = 0;
    int 反転済 = 0;
};

// The selection made with the mouse.
struct 選択型 {
    int 選択状態 = 0;
    int 元X = 0, 元Y = 0, 先X = 0, 先Y = 0;
    int 選択駒 = 0;
    int 成駒 = 0;  // promoted code found by 調査_駒成
};

// The move number shown, the current entry of the move list and its last entry.
struct 手数型 {
    int 手数 = 0;
    int 手順番号 = 0;
    int 手順最終 = 0;
};

// Clocks, seconds (single precision like the time of day they come from).
struct 時間型 {
    float 経過秒 = 0;
    int 表示秒 = 0;
    float MAN時間 = 0;
    float COM時間 = 0;
    float 手番開始時刻 = 0;
};

// Strength and handicap.
struct 強さ型 {
    int レベル = 3;
    int ハンデレベル = 0;
    int ハンデ設定済 = 0;
};

struct 進行状態 {
    手番型 番;
    選択型 選択;
    手数型 数;
    時間型 時間;
    強さ型 強さ;
};

}  // namespace yukora
