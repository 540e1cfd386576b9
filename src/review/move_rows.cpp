#include "review/move_rows.h"

#include <cmath>

#include "game/move_text.h"
#include "review/listed_positions.h"
#include "review/move_words.h"

namespace yukora {
namespace {

// The caption's words for a change that is no single move: the first square (x outer, y
// inner) that now holds another piece.
std::string 着いた駒(const 局面& 前, const 局面& 後, bool& 下) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (const int c = 後.盤[x][y]; c != 0 && c != 前.盤[x][y]) {
                下 = c < 0;
                return 記譜(x, y, c);
            }
    return "";
}

// The mover's clock before and after, in whole seconds as the records count them.
int 使った秒(const 手順記録& e, bool 下) {
    const float 前 = 下 ? e.MAN時間前 : e.COM時間前, 後 = 下 ? e.MAN時間後 : e.COM時間後;
    const double s = std::floor(後) - std::floor(前);
    return s <= 0 ? 0 : static_cast<int>(s);
}

// The side (先手 or 後手) that made move i: the side to move alternates back from the
// position shown; before any game the side values of the bottom and top players tell.
int 動いた側(const 進行状態& s, int i, bool 下) {
    if (s.番.手番 == 0) return 下 ? s.番.MAN番 : s.番.COM番;
    return (s.数.手順番号 - i) % 2 == 0 ? -s.番.手番 : s.番.手番;
}

}  // namespace

std::string 分秒(int 秒) {
    const int s = 秒 % 60;
    return std::to_string(秒 / 60) + (s < 10 ? ":0" : ":") + std::to_string(s);
}

棋譜の行一覧 棋譜行を作る(const 手順リスト& list, const 局面& 今, const 進行状態& s) {
    const 手数型& 数 = s.数;
    const int 最後 = 最後の局面(数);
    const int 最初の手数 = 数.手数 - 数.手順番号;
    棋譜の行一覧 r;
    r.表示中 = 数.手順番号;
    r.行.reserve(static_cast<size_t>(最後) + 1);
    r.行.push_back({最初の手数, "開始局面", "", false, false});
    局面 前 = 手の後の局面(list, 今, 数, 0);
    記録の手 前の手, m;
    bool 前がある = false;
    for (int i = 1; i <= 最後; ++i) {
        const 局面 後 = 手の後の局面(list, 今, 数, i);
        棋譜行 row;
        row.手数 = 最初の手数 + i;
        std::string text = 指し手の言葉(前, 後, 前がある ? &前の手 : nullptr, m, row.下の手);
        前がある = !text.empty();
        if (text.empty()) text = 着いた駒(前, 後, row.下の手);
        row.指し手 = (動いた側(s, i, row.下の手) == 後手 ? "△" : "▲") + text;
        row.時間 = 分秒(使った秒(list.参照(i - 1), row.下の手));
        r.行.push_back(std::move(row));
        前 = 後;
        前の手 = m;
    }
    return r;
}

}  // namespace yukora
