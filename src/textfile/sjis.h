// Shift-JIS (code page 932) on disk, UTF-8 in memory, converted with iconv.
// Both directions are strict: nothing is ever replaced or dropped silently.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yukora {

// The CP932 bytes of a UTF-8 text; nothing when a character has no CP932 code
// or the input is not valid UTF-8.
std::optional<std::string> SJISへ変換(std::string_view utf8);

// The UTF-8 text of CP932 bytes; nothing when the bytes are not valid CP932.
std::optional<std::string> SJISから変換(std::string_view sjis);

// The lines in CP932, each ended by CR LF; nothing when any line cannot be held.
std::optional<std::string> SJIS行書式(const std::vector<std::string>& lines);

// True when the text is valid UTF-8.
bool UTF8か(std::string_view text);

// Number of characters (code points) of a UTF-8 text.
int 文字数(std::string_view utf8);

}  // namespace yukora
