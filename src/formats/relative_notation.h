// The relative words of KI2 moves: which of several like pieces moved (右, 左, 直), how it moved
// (上, 引, 寄), and 打 for a drop where a piece on the board could go too.
#pragma once
#include <string>
#include <string_view>

#include "formats/record_model.h"

namespace yukora {

// The words the move needs, in the order they are written ("右上", "直", "打"); empty when
// the square and the piece name it alone. Promotion is not among them.
std::u32string 相対の文字(const 記録局面& pos, const 記録の手& m);

// A move as KI2 names it: the square, the piece as it stands before the move (its code for
// the top side), the relative words, and whether it promotes.
struct KI2の指定 {
    int 先X = 0, 先Y = 0;
    int 駒 = 0;
    std::u32string_view 相対;
    bool 成り = false;
};

// The one move of the side to move that the words name; empty, else why there is none or
// more than one.
std::string KI2の手を探す(const 記録局面& pos, const KI2の指定& s, 記録の手& m);

}  // namespace yukora
