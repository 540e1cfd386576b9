#include "own_format/record_writer.h"

#include "own_format/record_line.h"
#include "textfile/line_reader.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

// One header line; nothing when it has a line break or a character Shift-JIS lacks, or
// when the reader would cut it.
std::optional<std::string> 見出し行(const std::string& text, 見出しの問題& why) {
    why = 見出しの問題::ShiftJISにない;
    if (text.find_first_of("\r\n") != std::string::npos) return std::nullopt;
    auto bytes = SJISへ変換(text);
    if (!bytes) return std::nullopt;
    if (bytes->size() > 行の上限) {
        why = 見出しの問題::長すぎる;
        return std::nullopt;
    }
    *bytes += "\r\n";
    return bytes;
}

}  // namespace

棋譜書式結果 書式_棋譜ファイル(const 手順リスト& list, const 進行状態& s, const 棋譜見出し& h) {
    const bool 下が先手 = s.番.MAN番 == 1;
    const std::pair<const std::string*, 見出し欄> lines[3] = {
        {&h.対局名, 見出し欄::対局名},
        {下が先手 ? &h.後手名 : &h.先手名, 下が先手 ? 見出し欄::後手名 : 見出し欄::先手名},
        {下が先手 ? &h.先手名 : &h.後手名, 下が先手 ? 見出し欄::先手名 : 見出し欄::後手名},
    };
    std::string out;
    for (const auto& [text, box] : lines) {
        見出しの問題 why;
        const auto bytes = 見出し行(*text, why);
        if (!bytes) return {std::nullopt, box, why};
        out += *bytes;
    }
    for (int i = 1; i <= s.数.手順最終; ++i) {
        out += 書式_棋譜行(list.参照(i));
        out += "\r\n";
    }
    return {std::move(out), 見出し欄::対局名, 見出しの問題::ShiftJISにない};
}

}  // namespace yukora
