// The lines the window sends an engine.
#pragma once
#include <span>
#include <string>
#include <string_view>

#include "game/position.h"

namespace yukora {

inline constexpr std::string_view usi命令 = "usi", isready命令 = "isready",
                                  usinewgame命令 = "usinewgame", stop命令 = "stop",
                                  quit命令 = "quit";

// "setoption name <id> value <v>"; a button has no value.
std::string setoption命令(std::string_view name, std::string_view value, bool button = false);

// "position startpos moves …" from the usual start, else "position sfen … moves …".
std::string position命令(const 手番付き局面& start, std::span<const std::string> moves);

// How a game ended for the engine told: "gameover win", "lose" or "draw".
enum class 勝敗 { 勝ち, 負け, 引き分け };
std::string gameover命令(勝敗 r);

}  // namespace yukora
