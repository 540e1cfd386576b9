#include "engine/usi_commands.h"

#include "rules/sfen.h"

namespace yukora {

std::string setoption命令(std::string_view name, std::string_view value, bool button) {
    std::string s = "setoption name ";
    s += name;
    if (!button) {
        s += " value ";
        s += value;
    }
    return s;
}

std::string position命令(const 手番付き局面& start, std::span<const std::string> moves) {
    const 手番付き局面 平手 = 平手局面();
    const bool usual = start.手番 == 平手.手番 && 同じ配置(start.p, 平手.p);
    std::string s = usual ? "position startpos" : "position sfen " + SFEN書込(start);
    if (moves.empty()) return s;
    std::size_t n = s.size() + 6;
    for (const std::string& m : moves) n += m.size() + 1;
    s.reserve(n);
    s += " moves";
    for (const std::string& m : moves) {
        s += ' ';
        s += m;
    }
    return s;
}

std::string gameover命令(勝敗 r) {
    switch (r) {
        case 勝敗::勝ち: return "gameover win";
        case 勝敗::負け: return "gameover lose";
        case 勝敗::引き分け: return "gameover draw";
    }
    return {};
}

}  // namespace yukora
