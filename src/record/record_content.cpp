#include "record/record_content.h"

#include "record/record_line.h"
#include "record/sjis.h"

namespace yukora {

int 読込_棋譜ファイル(行入力& in, std::string& 読込行) {
    std::string bytes;
    if (!in.次の行(bytes)) return 0;
    auto text = SJISから変換(bytes);
    // A line cut at the cap may end in half a character.
    if (!text && in.切り詰めた() && !bytes.empty()) {
        bytes.pop_back();
        text = SJISから変換(bytes);
    }
    if (!text) return 0;
    読込行 = std::move(*text);
    return 1;
}

棋譜内容 読込_棋譜内容(行入力& in, 手順リスト& list) {
    棋譜内容 c;
    std::string 読込行;
    while (c.見出し.size() < 3) {
        if (!読込_棋譜ファイル(in, 読込行)) return c;
        c.見出し.push_back(読込行);
    }
    while (c.項目数 < 棋譜項目の上限 && 読込_棋譜ファイル(in, 読込行)) {
        ++c.項目数;
        list.項目(c.項目数) = 解析_棋譜行(読込行);
    }
    return c;
}

}  // namespace yukora
