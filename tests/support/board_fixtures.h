// Building positions for tests.
#pragma once
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "game/position.h"
#include "influence/influence_maps.h"

namespace yukora::test {

// The starting position.
局面 初期局面();

// A position from text. `board` is either an SFEN board ("lnsgkgsnl/1r5b1/...") or nine
// lines of nine cells each, separated by blanks ("l n s g k g s n l"); rows run from the top
// (y = 1) down and cells from the left of the screen (x = 1). Capital letters are the bottom
// side's pieces (negative codes), small letters the top side's; "+" promotes, "." is empty.
// `hands` is an SFEN hand ("2Pg", capitals for the bottom hand) or "-". The hand totals and
// the squares of the kings placed are set.
局面 盤面(std::string_view board, std::string_view hands = "-");

// Pieces on the board and in both hands together.
int 駒の総数(const 局面& p);
// Sum of a hand's counts by kind.
int 手の合計(const 持駒型& hand);

// One move of a CSA record ("+7776FU", "-0055KA") in board coordinates.
struct CSA指し手 {
    int 元X, 元Y, 先X, 先Y;
    int 駒;  // code after the move, signed
    bool 打ち;
    int 手駒種類;  // hand kind for a drop
};
CSA指し手 CSAを読む(const std::string& line);
std::vector<std::string> CSA棋譜(const std::string& path);

}  // namespace yukora::test

namespace yukora {
// A failing test prints the board as nine rows and both hands, the influence maps as the
// two reach counts; gtest finds these by the argument's namespace.
void PrintTo(const 局面& p, std::ostream* os);
void PrintTo(const 勢力地図& m, std::ostream* os);
}  // namespace yukora
