// The settings file: lines "key=value" in Shift-JIS with CR LF.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "settings/settings_ports.h"
#include "settings/settings_state.h"
#include "textfile/line_reader.h"

namespace yukora {

// The most bytes of a settings file that are read: the writer's six lines take about 85,
// the rest leaves room for a hand-edited file. What lies beyond is ignored unread.
inline constexpr std::size_t 環境設定の上限 = 1024;

// Applies every line of the form key=value within the first 環境設定の上限 bytes of the
// input (which must not have been read from yet); lines without "=", unknown keys, unknown
// values, lines that are not Shift-JIS and a line cut off by the limit are skipped. Of the
// "BGM" lines only the last may start the music, so it starts at most once. Returns the
// number of lines whose key is known.
int 読込_環境設定(行入力& in, 設定状態& st, int& 背景画番号, 背景描画& bg, BGM演奏& music);

// The lines the writer produces from the check marks.
std::vector<std::string> 環境設定の行(const オプション印& 印);

// Reads the settings file of `folder` once at start-up; when it is missing or cannot be
// read, writes it anew with the reading defaults (bamboo, guidance off, clocks on, no music,
// the zoom `初回の表示倍率`) and applies them. A file without a zoom line means 100 %.
void 読込_環境設定ファイル(const std::string& folder, 設定状態& st, int& 背景画番号, 背景描画& bg,
                           BGM演奏& music, int 初回の表示倍率 = 表示倍率_既定);

// Rewrites the file from the check marks; when that fails, writes the writing defaults
// (green, guidance off, clocks on, music on, the zoom as it is) and sets the marks to match. When
// no file can be written at all the options stay as they are.
void 書込_環境設定ファイル(const std::string& folder, 設定状態& st);

}  // namespace yukora
