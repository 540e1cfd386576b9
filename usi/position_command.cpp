#include "usi/position_command.h"

#include "usi/message_text.h"
#include "usi/usi_move.h"
#include "usi/words.h"

namespace yukora {
namespace {

bool 手数か(std::string_view t) {
    if (t.empty() || t.size() > 9) return false;
    for (const char c : t)
        if (c < '0' || c > '9') return false;
    return true;
}

// The start of the command: the position before any move. `次` is left holding the first
// word after it (empty when there is none).
std::string 初めの局面(語読み& w, USI局面& pos, std::string_view& 次) {
    const std::string_view kind = w.次();
    if (kind.empty()) return "position needs startpos or sfen";
    if (kind == "startpos") {
        pos = 平手局面();
        次 = w.次();
        return {};
    }
    if (kind != "sfen") return "position needs startpos or sfen, not " + 表示用(kind);
    const std::string_view 盤面 = w.次(), 手番 = w.次(), 持駒 = w.次();
    if (持駒.empty()) return "the sfen is incomplete";
    if (std::string e = SFEN読込(盤面, 手番, 持駒, pos); !e.empty()) return "sfen: " + e;
    次 = w.次();
    if (!次.empty() && 次 != "moves") {
        if (!手数か(次)) return "bad move number " + 表示用(次);
        次 = w.次();
    }
    return {};
}

}  // namespace

std::string position命令を読む(std::string_view 引数, USI局面& 結果) {
    語読み w(引数);
    USI局面 pos;
    std::string_view word;
    if (std::string e = 初めの局面(w, pos, word); !e.empty()) return e;
    if (!word.empty()) {
        if (word != "moves") return "unexpected " + 表示用(word);
        int n = 0;
        for (word = w.次(); !word.empty(); word = w.次()) {
            ++n;
            USI指し手 m;
            if (!USI指し手読込(word, m))
                return "unparsable move " + 表示用(word) + " (move " + std::to_string(n) + ")";
            if (std::string e = USI指し手を指す(pos, m); !e.empty())
                return "illegal move " + 表示用(word) + " (move " + std::to_string(n) + "): " + e;
        }
    }
    結果 = pos;
    return {};
}

}  // namespace yukora
