#include "usi/position_command.h"

#include "usi/message_text.h"
#include "usi/usi_move.h"

namespace yukora {
namespace {

bool 手数か(std::string_view t) {
    if (t.empty() || t.size() > 9) return false;
    for (const char c : t)
        if (c < '0' || c > '9') return false;
    return true;
}

// The start of the command: the position before any move, and where the moves begin.
std::string 初めの局面(const std::vector<std::string_view>& args, USI局面& pos, std::size_t& i) {
    if (args.empty()) return "position needs startpos or sfen";
    if (args[0] == "startpos") {
        pos = 平手局面();
        i = 1;
        return {};
    }
    if (args[0] != "sfen") return "position needs startpos or sfen, not " + 表示用(args[0]);
    if (args.size() < 4) return "the sfen is incomplete";
    if (std::string e = SFEN読込(args[1], args[2], args[3], pos); !e.empty()) return "sfen: " + e;
    i = 4;
    if (i < args.size() && args[i] != "moves") {
        if (!手数か(args[i])) return "bad move number " + 表示用(args[i]);
        ++i;
    }
    return {};
}

}  // namespace

std::string position命令を読む(const std::vector<std::string_view>& args, USI局面& 結果) {
    USI局面 pos;
    std::size_t i = 0;
    if (std::string e = 初めの局面(args, pos, i); !e.empty()) return e;
    if (i < args.size()) {
        if (args[i] != "moves") return "unexpected " + 表示用(args[i]);
        const std::size_t 最初の手 = i + 1;
        for (++i; i < args.size(); ++i) {
            USI指し手 m;
            if (!USI指し手読込(args[i], m))
                return "unparsable move " + 表示用(args[i]) + " (move " +
                       std::to_string(i - 最初の手 + 1) + ")";
            if (std::string e = USI指し手を指す(pos, m); !e.empty())
                return "illegal move " + 表示用(args[i]) + " (move " +
                       std::to_string(i - 最初の手 + 1) + "): " + e;
        }
    }
    結果 = pos;
    return {};
}

}  // namespace yukora
