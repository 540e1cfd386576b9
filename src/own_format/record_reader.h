// Reading a record file into the move list (a click in the record panel's file list).
#pragma once
#include <string>
#include <vector>

#include "game/move_list.h"
#include "own_format/record_content.h"
#include "textfile/line_reader.h"

namespace yukora {

// What reading a record file gave, for the flow to show.
struct 棋譜読込結果 {
    bool 新しい対局 = true;           // a new game in record mode; false keeps the game as it is
    std::vector<std::string> 見出し;  // the header lines read: title, top player, bottom player
    int 項目数 = 0;                   // the last entry read into the move list
    int 手番 = 0;                     // the side to move at entry 0; 0 when no entry was read
    std::vector<std::string> 知らせ;  // the boxes (title "棋譜") that tell how reading went
    std::string 終局の語;  // how the record says its game ended ("投了"); empty when it does not
    bool 先手が下 = false;  // a record of another format: 先手 is the bottom side (MAN番 = 先手)
};

// Reads the ".棋譜" file `name` of the file list's folder `folder` into the move list: entry 0
// the usual start, the file's entries from 1 on. Only names inside the folder are opened.
棋譜読込結果 読込_棋譜(const std::string& folder, const std::string& name, 手順リスト& list);

// Only names inside the file list's folder are opened.
bool 一覧の名前か(const std::string& name);

// The texts of the boxes (title "棋譜") that tell how reading went, in order: why nothing
// was read, or that all or only part of the record was read and how to step through it.
std::vector<std::string> 棋譜読込の知らせ(開く結果 opened, const 棋譜内容& c);

}  // namespace yukora
