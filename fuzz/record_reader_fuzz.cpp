// Any bytes as a record file: the reader never crashes, never puts a code outside the piece
// table on the board, says why it stopped, and every entry it reads is written and read
// back unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "own_format/record_content.h"
#include "own_format/record_line.h"
#include "textfile/line_reader.h"

namespace {

void 必ず(bool ok) {
    if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace yukora;
    文字列行入力 in(std::string_view(reinterpret_cast<const char*>(data), size));
    手順リスト list;
    const 棋譜内容 c = 読込_棋譜内容(in, list);
    必ず(c.見出し.size() <= 3);
    必ず(c.項目数 >= 0 && c.項目数 <= 棋譜項目の上限);
    必ず(c.項目数 == 0 || c.見出し.size() == 3);
    // Bytes in memory never fail to read; the limit is reported only when reached.
    必ず(c.終わり != 棋譜の終わり::読込エラー);
    必ず(c.終わり != 棋譜の終わり::上限 || c.項目数 == 棋譜項目の上限);
    必ず(!c.UTF8らしい || c.終わり == 棋譜の終わり::ShiftJISでない);
    for (int i = 1; i <= c.項目数; ++i) {
        const 手順記録& e = list.参照(i);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) 必ず(e.盤[x][y] == 0 || 盤の駒コードか(e.盤[x][y]));
        for (int k = 1; k <= 7; ++k)
            必ず(e.MAN持駒[k] >= 0 && e.MAN持駒[k] <= 18 && e.COM持駒[k] >= 0 &&
                 e.COM持駒[k] <= 18);
        const std::string line = 書式_棋譜行(e);
        必ず(line.size() == static_cast<std::size_t>(棋譜行の長さ));
        const 手順記録 back = 解析_棋譜行(line);
        必ず(back.盤 == e.盤 && back.MAN持駒 == e.MAN持駒 && back.COM持駒 == e.COM持駒);
        必ず(back.MAN時間前 == e.MAN時間前 && back.MAN時間後 == e.MAN時間後);
        必ず(back.COM時間前 == e.COM時間前 && back.COM時間後 == e.COM時間後);
    }
    return 0;
}
