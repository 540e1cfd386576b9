#include "own_format/record_content.h"

#include "own_format/record_line.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

enum class 一行 { 読めた, 終わり, 読込エラー, ShiftJISでない };

一行 一行読む(行入力& in, std::string& 読込行, bool* utf8 = nullptr) {
    std::string bytes;
    if (!in.次の行(bytes)) return in.失敗() ? 一行::読込エラー : 一行::終わり;
    auto text = SJISから変換(bytes);
    // A line cut at the cap may end in half a character.
    if (!text && in.切り詰めた() && !bytes.empty()) {
        bytes.pop_back();
        text = SJISから変換(bytes);
    }
    if (!text) {
        if (utf8) *utf8 = UTF8か(bytes);
        return 一行::ShiftJISでない;
    }
    読込行 = std::move(*text);
    return 一行::読めた;
}

棋譜の終わり 終わり方(一行 r) {
    switch (r) {
        case 一行::読込エラー: return 棋譜の終わり::読込エラー;
        case 一行::ShiftJISでない: return 棋譜の終わり::ShiftJISでない;
        default: return 棋譜の終わり::最後まで;
    }
}

}  // namespace

int 読込_棋譜ファイル(行入力& in, std::string& 読込行) {
    return 一行読む(in, 読込行) == 一行::読めた ? 1 : 0;
}

棋譜内容 読込_棋譜内容(行入力& in, 手順リスト& list) {
    棋譜内容 c;
    std::string 読込行;
    for (;;) {
        if (c.項目数 == 棋譜項目の上限) {
            std::string rest;
            if (in.次の行(rest)) c.終わり = 棋譜の終わり::上限;
            else if (in.失敗()) c.終わり = 棋譜の終わり::読込エラー;
            return c;
        }
        const 一行 r = 一行読む(in, 読込行, &c.UTF8らしい);
        if (r != 一行::読めた) {
            c.終わり = 終わり方(r);
            return c;
        }
        if (c.見出し.size() < 3) {
            c.見出し.push_back(読込行);
            continue;
        }
        ++c.項目数;
        list.項目(c.項目数) = 解析_棋譜行(読込行);
    }
}

}  // namespace yukora
