// The format of a record told from its text, whatever the file's name says.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace yukora {

enum class 内容の種類 {
    不明,
    棋譜,  // this program's own: fixed-width entry lines after three header lines
    KIF,   // numbered move lines
    KI2,   // moves after ▲ and △
    CSA,   // "V2.2", "N+", "PI", "+7776FU", …
};

// The own format from its bytes; the others from the lines of text (UTF-8). 不明 when nothing
// in them tells.
内容の種類 内容の形式(std::string_view bytes, const std::vector<std::string>& lines);

}  // namespace yukora
