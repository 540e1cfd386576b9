#include "usi/go_answer.h"

#include "computer/king_safety.h"
#include "usi/candidates.h"
#include "usi/score_text.h"
#include "usi/think.h"

namespace yukora {
namespace {

std::string 情報行(long nodes, int 十倍, int 駒割り, const USI指し手& m, int multipv) {
    std::string s = "info depth 1 seldepth 1 ";
    if (multipv > 0) s += "multipv " + std::to_string(multipv) + " ";
    return s + "nodes " + std::to_string(nodes) + " score " + USI評価値(十倍, 駒割り) + " pv " +
           USI指し手書込(m) + "\n";
}

}  // namespace

go答え goに答える(const USI局面& pos, int レベル, int multipv) {
    const 思考結果 r = 思考(pos, レベル);
    if (!r.有り) return {"", "bestmove resign"};
    go答え a;
    if (multipv <= 1) {
        a.情報 = 情報行(r.評価回数, r.点十倍, r.駒割り, r.指し手, 0);
    } else {
        const 候補一覧 all = 全候補(pos, レベル);
        int k = 0;
        for (const 候補手& c : 上位の候補(all.手, multipv))
            a.情報 += 情報行(all.評価回数, c.点十倍, c.駒割り, c.指し手, ++k);
    }
    a.情報 += "info string score " + 十分の一表記(r.点十倍) + "\n";
    a.指し手 = 王を守れる手がある(pos.p, pos.手番 == 先手) ? "bestmove " + USI指し手書込(r.指し手)
                                                           : "bestmove resign";
    return a;
}

}  // namespace yukora
