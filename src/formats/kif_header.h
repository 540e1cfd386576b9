// The header of KIF and KI2 files: key-value lines kept in order, and the start they give (a
// 手合割, or a board diagram with the hands and the side to move).
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "formats/handicap_names.h"
#include "formats/record_model.h"

namespace yukora {

class KIF見出し {
public:
    // One line before the moves, at line `行` (from 1). Keys and their values go into
    // `r`'s header in order, names included; a line that is neither is kept whole there.
    // Returns why the line cannot be read; empty when it can.
    std::string 行を読む(std::u32string_view line, int 行, 対局記録& r);

    // The start the header gives: the board diagram, else the 手合割, else the usual start.
    // A position with one king is a problem's and reads too. On failure, why, and the line.
    std::string 開始を決める(記録局面& start, int& 行) const;

    // A 手合割, a board diagram, a side to move or the moves' header line was read.
    bool 局面あり() const { return 局面あり_; }

private:
    std::string 盤の段(std::u32string_view line, int 行);
    std::string 持駒行(std::u32string_view value, 持駒型& hand);

    bool 局面あり_ = false;
    const 手合割* 手合割_ = nullptr;
    std::string 不明な手合割_;
    int 手合割の行_ = 0;
    盤型 盤_{};
    std::array<bool, 10> 段あり_{};
    int 盤の行_ = 0;
    持駒型 手駒_[2]{};
    int 手番_ = 0;
};

// A number of up to six digits at the front, taken off; -1 when there is none or too long.
int 数字を読む(std::u32string_view& s);

bool KIFの空白か(char32_t c);
void 空白を飛ばす(std::u32string_view& s);

}  // namespace yukora
