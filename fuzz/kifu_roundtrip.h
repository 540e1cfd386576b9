// What a record read from any bytes must satisfy: its moves replay from its start, and
// written in every format it reads back the same, as far as the format holds it.
#pragma once
#include "formats/csa_reader.h"
#include "formats/csa_writer.h"
#include "formats/file_formats.h"
#include "formats/ki2_reader.h"
#include "formats/ki2_writer.h"
#include "formats/kif_header_writer.h"
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

// Every move of every line can be made from where it stands.
inline void 指せる(const 手の列& line, 記録局面 pos) {
    for (const 記録の手& m : line.手) {
        必ず(m.秒 >= 0 && m.秒 <= 記録秒の上限);
        for (const 手の列& b : m.変化) 指せる(b, pos);
        必ず(記録の手を指す(pos, m).empty());
    }
}

// The header lines KIF and KI2 hold.
inline std::vector<見出し項目> 書ける見出し(const 対局記録& r) {
    std::vector<見出し項目> held;
    for (const 見出し項目& h : r.見出し)
        if (KIFの見出しに書けるか(h)) held.push_back(h);
    return held;
}

// The whole record: start, header, comments, every line of play.
inline void 全部同じ(const 対局記録& r, const 読込結果& back) {
    必ず(!back.エラー);
    必ず(同じ局面(r.開始, back.記録.開始));
    必ず(static_cast<const 手の列&>(back.記録) == static_cast<const 手の列&>(r));
    必ず(back.記録.見出し == 書ける見出し(r));
    必ず(back.記録.開始のコメント == r.開始のコメント && back.記録.開始の栞 == r.開始の栞);
}

// The main line with its times, comments and end: what CSA holds.
inline void 本譜が同じ(const 対局記録& r, const 読込結果& back) {
    必ず(!back.エラー);
    必ず(同じ局面(r.開始, back.記録.開始));
    必ず(back.記録.手.size() == r.手.size());
    for (size_t i = 0; i < r.手.size(); ++i) {
        const 記録の手 &a = r.手[i], &b = back.記録.手[i];
        必ず(a.元X == b.元X && a.元Y == b.元Y && a.先X == b.先X && a.先Y == b.先Y);
        必ず(a.打駒 == b.打駒 && a.成り == b.成り && a.秒 == b.秒 && a.コメント == b.コメント);
    }
    const bool 封じ手 = r.終局 == 終局理由::封じ手;
    必ず(back.記録.終局 == (封じ手 ? 終局理由::中断 : r.終局));
    必ず(back.記録.終局のコメント == r.終局のコメント);
}

// KI2 holds no times.
inline 手の列 時間なし(手の列 line) {
    line.終局の秒 = 0;
    for (記録の手& m : line.手) {
        m.秒 = 0;
        for (手の列& b : m.変化) b = 時間なし(b);
    }
    return line;
}

inline void 時間のほか同じ(const 対局記録& r, const 読込結果& back) {
    必ず(!back.エラー);
    必ず(同じ局面(r.開始, back.記録.開始));
    必ず(時間なし(back.記録) == 時間なし(r));
    必ず(back.記録.見出し == 書ける見出し(r));
    必ず(back.記録.開始のコメント == r.開始のコメント && back.記録.開始の栞 == r.開始の栞);
}

// The own format holds the main line's moves from the usual start, and their whole seconds
// while both clocks fit its five-digit fields.
inline void 棋譜ファイルでも同じ(const 対局記録& r) {
    const 書込結果 w = 棋譜を書く(r, 棋譜形式::棋譜);
    if (!w.理由.empty()) return;
    const 読込結果 back = 棋譜を読む(w.内容, 棋譜形式::棋譜);
    必ず(!back.エラー && back.記録.手.size() == r.手.size());
    long long total = 0;
    for (const 記録の手& m : r.手) total += m.秒;
    for (size_t i = 0; i < r.手.size(); ++i) {
        const 記録の手 &a = r.手[i], &b = back.記録.手[i];
        必ず(a.元X == b.元X && a.元Y == b.元Y && a.先X == b.先X && a.先Y == b.先Y);
        必ず(a.打駒 == b.打駒 && a.成り == b.成り && (total > 記録秒の上限 || a.秒 == b.秒));
    }
}

inline void 確かめる(const 読込結果& res) {
    const 対局記録& r = res.記録;
    if (res.エラー) 必ず(res.エラー->行 >= 0 && res.エラー->手数 >= 0 && !res.エラー->理由.empty());
    指せる(r, r.開始);
    // A record that stopped before its start was settled has no start to write.
    if (res.エラー && res.エラー->手数 == 0 && r.手.empty()) return;
    const 書式結果 kif = KIF行を書く(r, 文字コード::UTF8);
    必ず(kif.理由.empty());
    全部同じ(r, KIFを読む(kif.行));
    const 書式結果 csa = CSA行を書く(r);
    必ず(csa.理由.empty());
    本譜が同じ(r, CSAを読む(csa.行));
    const 書式結果 ki2 = KI2行を書く(r);
    必ず(ki2.理由.empty());
    時間のほか同じ(r, KI2を読む(ki2.行));
    棋譜ファイルでも同じ(r);
}

}  // namespace yukora::fuzz
