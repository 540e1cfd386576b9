// What a record read from any bytes must satisfy: its moves replay from its start, and
// written as KIF and as CSA it reads back with the same start, moves, times and end.
#pragma once
#include "formats/csa_reader.h"
#include "formats/csa_writer.h"
#include "formats/kif_reader.h"
#include "formats/kif_writer.h"
#include "formats/record_move.h"

namespace yukora::fuzz {

inline void 必ず(bool ok) {
    if (!ok) __builtin_trap();
}

inline bool 同じ局面(const 記録局面& a, const 記録局面& b) {
    return a.手番 == b.手番 && a.p.盤 == b.p.盤 && a.p.MAN持駒 == b.p.MAN持駒 &&
           a.p.COM持駒 == b.p.COM持駒;
}

inline void 読み直しても同じ(const 対局記録& r, const 読込結果& back) {
    必ず(!back.エラー);
    必ず(同じ局面(r.開始, back.記録.開始));
    必ず(back.記録.手 == r.手);
    必ず(back.記録.終局 == r.終局);
}

inline void 確かめる(const 読込結果& res) {
    const 対局記録& r = res.記録;
    if (res.エラー) 必ず(res.エラー->行 >= 0 && res.エラー->手数 >= 0 && !res.エラー->理由.empty());
    記録局面 pos = r.開始;
    for (const 記録の手& m : r.手) {
        必ず(m.秒 >= 0 && m.秒 <= 記録秒の上限);
        必ず(記録の手を指す(pos, m).empty());
    }
    // A record that stopped before its start was settled has no start to write.
    if (res.エラー && res.エラー->手数 == 0) return;
    const 書式結果 kif = KIF行を書く(r, 文字コード::UTF8);
    必ず(kif.理由.empty());
    読み直しても同じ(r, KIFを読む(kif.行));
    const 書式結果 csa = CSA行を書く(r);
    必ず(csa.理由.empty());
    読み直しても同じ(r, CSAを読む(csa.行));
}

}  // namespace yukora::fuzz
