// The text of KIF and CSA files: the encoding found from the bytes, and lines.
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
    int 読めない行 = 0;  // the first line that is not Shift-JIS either (1-based); 0 when none
};

// A UTF-8 byte-order mark or bytes that are valid UTF-8 are read as UTF-8, anything else
// as Shift-JIS (CP932); lines are taken up to the first one that is not in the encoding.
棋譜テキスト 棋譜テキストを読む(std::string_view bytes);

// The lines joined with CR LF in the encoding; nothing when a character has no Shift-JIS code.
std::optional<std::string> 棋譜テキストを書く(const std::vector<std::string>& lines,
                                              文字コード enc);

}  // namespace yukora
