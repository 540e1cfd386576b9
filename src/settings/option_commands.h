// The "ｵﾌﾟｼｮﾝ" menu: the five backgrounds, move guidance, music and the zoom.
#pragma once
#include <string>

#include "game/board_view.h"
#include "settings/settings_ports.h"
#include "settings/settings_state.h"

namespace yukora {

// Unchecks the five backgrounds, then checks the one of background number n (2..6).
void チェック設定(オプション印& 印, int n);

// The background commands. `folder` holds the settings file.
void MIDORI_Click(設定状態& st, int& 背景画番号, 盤描画& view, const std::string& folder);
void TATAMI_Click(設定状態& st, int& 背景画番号, 盤描画& view, const std::string& folder);
void TAKE_Click(設定状態& st, int& 背景画番号, 盤描画& view, const std::string& folder);
void UCHU_Click(設定状態& st, int& 背景画番号, 盤描画& view, const std::string& folder);
void RENGA_Click(設定状態& st, int& 背景画番号, 盤描画& view, const std::string& folder);

// Move guidance on or off; turning it off restores the black outlines of board and hands.
void SIDOU_Click(設定状態& st, 盤描画& view, const std::string& folder);

// Music on or off.
void BGM_Click(設定状態& st, BGM演奏& music, const std::string& folder);

// The influence display on or off; the board follows when the flow next brings it in step.
void SEIRYOKU_Click(設定状態& st, const std::string& folder);

// The move list beside the board on or off; the window follows when the flow shows it.
void KIFULIST_Click(設定状態& st, const std::string& folder);

// The zoom items: `倍率` (one of 表示倍率一覧, or 表示倍率_合わせる) becomes the one checked,
// the file is rewritten and the window takes the zoom.
void 表示倍率_Click(設定状態& st, int 倍率, 表示倍率の窓& window, const std::string& folder);

}  // namespace yukora
