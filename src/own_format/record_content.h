// The text of a record file: three header lines, then one entry line per move-list entry.
#pragma once
#include <string>
#include <vector>

#include "game/move_list.h"
#include "textfile/line_reader.h"

namespace yukora {

// More entry lines than this are not read; no game comes near it.
inline constexpr int 棋譜項目の上限 = 20000;

// Reads the next line into 読込行 (UTF-8). Returns 1 when a line was read; 0 at the end
// of the file, on a read error and on bytes that are not Shift-JIS.
int 読込_棋譜ファイル(行入力& in, std::string& 読込行);

// Why reading stopped.
enum class 棋譜の終わり {
    最後まで,        // the end of the file: everything was read
    上限,            // more entry lines than 棋譜項目の上限
    ShiftJISでない,  // a line with bytes that are not Shift-JIS
    読込エラー,      // the system failed to read on
};

struct 棋譜内容 {
    std::vector<std::string> 見出し;  // the header lines read, at most three
    int 項目数 = 0;                   // entries read into 1..項目数 of the list
    棋譜の終わり 終わり = 棋譜の終わり::最後まで;
    bool UTF8らしい = false;  // the line that is not Shift-JIS is valid UTF-8
};

// Reads the header lines and then one entry per line into entries 1, 2, … of the list,
// until the end, a line that cannot be read, or the limit.
棋譜内容 読込_棋譜内容(行入力& in, 手順リスト& list);

}  // namespace yukora
