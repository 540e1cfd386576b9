// The text of KIF, KI2 and CSA files: the encoding found from the bytes, and lines.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yukora {

enum class 文字コード { UTF8, SJIS };

struct 棋譜テキスト {
    std::vector<std::string> 行;  // UTF-8, without line ends
    文字コード 元 = 文字コード::UTF8;
    std::vector<int>
        置き換えた行;  // lines (from 1) with bytes in neither encoding, each now U+FFFD
};

// A UTF-8 byte-order mark, or lines that are UTF-8 more often than not, make the file UTF-8;
// anything else is Shift-JIS (CP932). Lines end at LF, or at CR in a file without LF; a CR
// elsewhere is dropped. A line that is not in the file's encoding is read in the other one,
// and where neither holds, its bad bytes are replaced: every line is kept, in its place.
棋譜テキスト 棋譜テキストを読む(std::string_view bytes);

// The lines joined with CR LF in the encoding; nothing when a character has no Shift-JIS code.
std::optional<std::string> 棋譜テキストを書く(const std::vector<std::string>& lines,
                                              文字コード enc);

}  // namespace yukora
