// What the lines an engine prints mean: id, option, usiok, readyok, bestmove, info.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yukora {

enum class 選択肢の型 { check, spin, combo, button, string, filename };

// One `option` line: the setting an engine offers, its default and its limits.
struct エンジンの選択肢 {
    std::string 名前;
    選択肢の型 型 = 選択肢の型::string;
    std::string 既定;  // "<empty>" is read as an empty text
    long long 最小 = 0, 最大 = 0;
    std::vector<std::string> 候補;  // the values of a combo
    bool operator==(const エンジンの選択肢&) const = default;
};

// A score of `info`: centipawns, or a mate (勝ち: the side to move mates) in 値 plies, 0 when
// the engine did not say how many.
struct 評価値 {
    bool 詰み = false;
    bool 勝ち = true;
    long long 値 = 0;
    bool operator==(const 評価値&) const = default;
};

struct 読み筋 {
    std::optional<int> 深さ;
    std::optional<long long> ノード数;
    int multipv = 1;
    std::optional<評価値> 評価;
    std::vector<std::string> pv;
    std::string 文字列;  // the text of `info string`
};

// `bestmove`: a move, or the engine resigns or declares the entering-king win.
enum class 答えの種類 { 手, 投了, 勝ち };
struct 最善手 {
    答えの種類 種類 = 答えの種類::手;
    std::string 手;
};

enum class 出力の種類 { id名前, id作者, 選択肢, usiok, readyok, bestmove, info, その他 };
struct エンジン出力 {
    出力の種類 種類 = 出力の種類::その他;
    std::string 文字;  // the name or author of `id`
    エンジンの選択肢 選択肢;
    最善手 最善;
    読み筋 情報;
};

// The meaning of one line (without its line end; a trailing CR is ignored). A line of no
// known command, or a known one too damaged to read, is その他: USI tells a GUI to pass over
// such lines.
エンジン出力 エンジン行を読む(std::string_view line);

// True when the line is no text at all: bytes that are not UTF-8, or control characters
// other than tab and a trailing CR.
bool 文字でない行か(std::string_view line);

}  // namespace yukora
