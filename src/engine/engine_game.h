// The state of one engine game: who plays which side, the engines' conversations, the
// clocks, the moves as engines name them, the positions seen for 千日手 and how it ended.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/engine_session.h"
#include "engine/engines_ini.h"
#include "engine/repetition.h"
#include "engine/thinking_line.h"
#include "engine/time_control.h"
#include "formats/record_model.h"

namespace yukora {

enum class 指す者 { 人, エンジン, COM };

struct エンジン対局の側 {
    指す者 者 = 指す者::人;
    std::string 名前;
    std::unique_ptr<エンジン対話> 対話;  // for an engine
    bool 準備済 = false;
};

struct エンジン対局 {
    エンジン対局の側 下, 上;  // the bottom and the top player of the board
    bool 下が先手 = true;
    int 基点 = 0;        // the move list's entry the game started from
    bool 準備中 = true;  // until every engine said readyok
    bool 終わった = false;
    終局理由 終局 = 終局理由::なし;
    対局時計 時計;
    手番付き局面 開始;                // the start as engines see it
    std::vector<std::string> 指し手;  // every move made, in USI notation
    std::vector<bool> 王手;           // whether each of them gave check
    千日手の記録 千日手;
    思考の様子 思考;          // the latest thinking of the engine that moved last or moves now
    手番付き局面 思考の局面;  // the position it thinks about
    std::string 人の手;       // the person's move, judged before it is made
    bool 人の手の王手 = false;
    bool 停止を送った = false;                   // "stop" went to the engine whose time is up
    bool 投了待ち = false;                       // the person resigns once the engine's move is in
    int 枠X = 0, 枠Y = 0;                        // the square of the last move, outlined
    std::string 思考の表示, 下の時計, 上の時計;  // what the band and the clocks show now
    // Conversations of ended games, kept until they can be let go outside their reports.
    std::vector<std::unique_ptr<エンジン対話>> 退役;

    エンジン対局の側& 側(bool 下側) { return 下側 ? 下 : 上; }
    // The side value (先手 1, 後手 -1) of the bottom or top player.
    int 側の番(bool 下側) const { return 下側 == 下が先手 ? 先手 : 後手; }
};

}  // namespace yukora
