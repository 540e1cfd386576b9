// A game as record files hold it: the header lines in order, a start, the moves with their
// times and comments, the other lines of play as branches, and how each line ended.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/position.h"

namespace yukora {

// A position seen from the first player, with the side to move.
using 記録局面 = 手番付き局面;

// The longest time a move is taken to have spent (a little under 28 hours); more is cut.
inline constexpr int 記録秒の上限 = 99999;

// How a line of play ends; 反則勝ち is a win of the side to move after the last move,
// 反則負け and 切れ負け a loss of that side, 入玉勝ち its win by declaring.
enum class 終局理由 {
    なし,
    中断,
    投了,
    詰み,
    反則勝ち,
    反則負け,
    千日手,
    持将棋,
    切れ負け,
    入玉勝ち,
    不詰,
    封じ手
};

struct 記録の手;

// A line of play: its moves and how it ended, with the time and comments of that end.
struct 手の列 {
    std::vector<記録の手> 手;
    終局理由 終局 = 終局理由::なし;
    int 終局の秒 = 0;
    std::vector<std::string> 終局のコメント{};
    bool operator==(const 手の列&) const = default;
};

// One move in the board coordinates of 記録局面, with what the record says of it.
struct 記録の手 {
    int 元X = 0, 元Y = 0;  // origin; both 0 for a drop
    int 先X = 0, 先Y = 0;
    int 打駒 = 0;  // hand kind 1..7 of a drop, 0 for a board move
    bool 成り = false;
    int 秒 = 0;  // time spent on the move, whole seconds, at most 記録秒の上限
    std::vector<std::string> コメント{};  // the comment lines after the move
    std::string 栞{};                     // a bookmark's name; empty when there is none
    std::vector<手の列> 変化{};           // moves played instead of this one, each with its sequel
    bool operator==(const 記録の手&) const = default;
};

// One header line: "棋戦" and its value. A line that has no key is kept whole in 値.
struct 見出し項目 {
    std::string 名前;
    std::string 値;
    bool operator==(const 見出し項目&) const = default;
};

// The main line is the record itself; its branches hang from its moves.
struct 対局記録 : 手の列 {
    記録局面 開始;
    std::vector<見出し項目> 見出し;  // in the order of the file; names under 先手/後手 or 下手/上手
    std::vector<std::string> 開始のコメント;  // comment lines before the first move
    std::string 開始の栞;
};

// The value of the first header of that key; empty when there is none.
std::string 見出しの値(const 対局記録& r, std::string_view 名前);

// Sets the first header of that key, or adds one at the end; an empty value removes them all.
void 見出しを置く(対局記録& r, std::string_view 名前, std::string 値);

// The names of the first and second player: under 先手/後手, or 下手/上手 in a handicap game.
std::string 先手の名前(const 対局記録& r);
std::string 後手の名前(const 対局記録& r);

// The keys the names go under: 下手/上手 when `駒落ち`, else 先手/後手.
std::string_view 先手の見出し名(bool 駒落ち);
std::string_view 後手の見出し名(bool 駒落ち);

// Where and why reading a record stopped. 行 counts lines from 1 (0: not tied to a line);
// 手数 is the number of the move that could not be read (0: before the moves). 変化で: in
// a branch, after the whole main line was read.
struct 読込エラー {
    int 行 = 0;
    int 手数 = 0;
    std::string 理由;
    bool 変化で = false;
};

// Something read in another way than written, or left out: the game itself was kept.
struct 読込注意 {
    int 行 = 0;
    std::string 理由;
};

// What was read, up to the first error when there is one.
struct 読込結果 {
    対局記録 記録;
    std::optional<読込エラー> エラー;
    std::vector<読込注意> 注意;
};

}  // namespace yukora
