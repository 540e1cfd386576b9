#include "formats/game_record.h"

#include <cmath>

#include "formats/handicap_names.h"
#include "formats/record_move.h"
#include "game/position.h"
#include "rules/start_position.h"

namespace yukora {
namespace {

局面 局面に(const 手順記録& e) {
    局面 p;
    p.盤 = e.盤;
    p.MAN持駒 = e.MAN持駒;
    p.COM持駒 = e.COM持駒;
    for (int k = 1; k <= 7; ++k) {
        p.MAN持駒数 += p.MAN持駒[k];
        p.COM持駒数 += p.COM持駒[k];
    }
    return p;
}

局面 回した(局面 p) {
    局面反転(p);
    return p;
}

bool 王を取るか(const 局面& before, const 記録の手& m) {
    if (m.打駒 != 0) return false;
    const int c = before.盤[m.先X][m.先Y];
    return c == 王 || c == -王;
}

// Seconds a move took by the mover's clock, before and after, as the list stores them.
int 秒(float 前, float 後) {
    const double s = std::floor(後) - std::floor(前);
    return s <= 0 ? 0 : s >= 記録秒の上限 ? 記録秒の上限 : static_cast<int>(s);
}

// Which side made each move: true for the bottom. Stops at the first entry that is no move
// of either side, or a move of the side that moved just before.
struct 指した側 {
    std::vector<bool> 下;
    int 止まった手 = 0;  // the number of the move that is not one; 0 when all are
    std::string 理由;
};

指した側 指した側を調べる(const std::vector<局面>& ps) {
    指した側 r;
    for (size_t i = 1; i < ps.size(); ++i) {
        記録の手 m;
        const bool 下 = 手を探す({ps[i - 1], 先手}, ps[i], m);
        const bool 上 = !下 && 手を探す({ps[i - 1], 後手}, ps[i], m);
        if (!下 && !上) r.理由 = "the position is not one move after the one before";
        else if (i > 1 && 下 == r.下.back()) r.理由 = "the same side moves twice";
        if (!r.理由.empty()) {
            r.止まった手 = static_cast<int>(i);
            return r;
        }
        r.下.push_back(下);
    }
    return r;
}

}  // namespace

読込結果 手順を記録に(const 手順の列& seq, 終局理由 how) {
    読込結果 res;
    if (seq.項目.empty()) {
        res.エラー = 読込エラー{0, 0, "no position"};
        return res;
    }
    std::vector<局面> ps;
    for (const 手順記録& e : seq.項目) ps.push_back(局面に(e));
    const 指した側 sides = 指した側を調べる(ps);
    const size_t moves = sides.下.size();
    const bool 下から = moves > 0 ? sides.下[0] : seq.下が指す;

    bool 回す;
    if (seq.先の手数 == 0 && 後手の駒落ちか(ps[0])) 回す = false;
    else if (seq.先の手数 == 0 && 後手の駒落ちか(回した(ps[0]))) 回す = true;
    else 回す = 下から != (seq.先の手数 % 2 == 0);  // the first mover of the game at the bottom
    if (回す)
        for (局面& p : ps) 局面反転(p);

    対局記録& r = res.記録;
    const bool 駒落ち = 後手の駒落ちか(ps[0]);
    見出しを置く(r, 先手の見出し名(駒落ち), 回す ? seq.上の名前 : seq.下の名前);
    見出しを置く(r, 後手の見出し名(駒落ち), 回す ? seq.下の名前 : seq.上の名前);
    r.開始 = {ps[0], 下から != 回す ? 先手 : 後手};
    if (std::string e = 開始局面の問題(ps[0]); !e.empty()) {
        res.エラー = 読込エラー{0, 0, "the start position: " + e};
        return res;
    }
    r.終局 = how;
    記録局面 pos = r.開始;
    for (size_t i = 1; i <= moves; ++i) {
        記録の手 m;
        手を探す(pos, ps[i], m);
        const 手順記録& e = seq.項目[i - 1];
        m.秒 = sides.下[i - 1] ? 秒(e.MAN時間前, e.MAN時間後) : 秒(e.COM時間前, e.COM時間後);
        if (王を取るか(pos.p, m)) {
            if (i == moves && sides.止まった手 == 0) {
                r.終局 = 終局理由::反則勝ち;
                return res;
            }
            res.エラー = 読込エラー{0, static_cast<int>(i), "a king is taken before the last move"};
            return res;
        }
        記録の手を指す(pos, m);
        r.手.push_back(m);
    }
    if (sides.止まった手 != 0) res.エラー = 読込エラー{0, sides.止まった手, sides.理由};
    return res;
}

読込結果 対局を記録に(const 手順リスト& list, const 局面& p, const 進行状態& s, const 棋譜見出し& h,
                      const std::string& 開始日時, 終局理由 how) {
    手順の列 seq;
    const int last = s.数.手順最終;
    if (s.数.手順番号 == 0 && last == 0) {
        // Nothing stored that leads anywhere: the board is the whole record.
        手順記録 e;
        e.盤 = p.盤;
        e.MAN持駒 = p.MAN持駒;
        e.COM持駒 = p.COM持駒;
        seq.項目.push_back(e);
    } else {
        for (int i = 0; i <= last; ++i) seq.項目.push_back(list.参照(i));
        if (s.数.手順番号 == last + 1) {
            手順記録 e;
            e.盤 = p.盤;
            e.MAN持駒 = p.MAN持駒;
            e.COM持駒 = p.COM持駒;
            e.MAN時間前 = e.MAN時間後 = s.時間.MAN時間;
            e.COM時間前 = e.COM時間後 = s.時間.COM時間;
            seq.項目.push_back(e);
        }
    }
    seq.先の手数 = s.数.手数 > s.数.手順番号 ? s.数.手数 - s.数.手順番号 : 0;
    seq.下が指す = s.番.手番 == 0 ? s.番.MAN番 == 先手 : s.番.手番 == s.番.MAN番;
    seq.下の名前 = s.番.MAN番 == 先手 ? h.先手名 : h.後手名;
    seq.上の名前 = s.番.MAN番 == 先手 ? h.後手名 : h.先手名;
    読込結果 res = 手順を記録に(seq, how);
    std::vector<見出し項目>& head = res.記録.見出し;
    if (!h.対局名.empty()) head.insert(head.begin(), {"棋戦", h.対局名});
    if (!開始日時.empty()) head.insert(head.begin(), {"開始日時", 開始日時});
    return res;
}

int 記録を手順に(const 対局記録& r, 手順リスト& list) {
    std::vector<記録局面> ps{r.開始};
    for (const 記録の手& m : r.手) {
        記録局面 next = ps.back();
        if (!記録の手を指す(next, m).empty()) break;
        ps.push_back(next);
    }
    const int n = static_cast<int>(ps.size()) - 1;
    // The clocks after move i, by side: bottom (先手) and top.
    std::vector<float> 下(ps.size(), 0), 上(ps.size(), 0);
    for (int i = 1; i <= n; ++i) {
        const bool 下が指した = ps[static_cast<size_t>(i - 1)].手番 == 先手;
        const float t = static_cast<float>(r.手[static_cast<size_t>(i - 1)].秒);
        下[static_cast<size_t>(i)] = 下[static_cast<size_t>(i - 1)] + (下が指した ? t : 0);
        上[static_cast<size_t>(i)] = 上[static_cast<size_t>(i - 1)] + (下が指した ? 0 : t);
    }
    for (int i = 0; i <= n; ++i) {
        const size_t k = static_cast<size_t>(i), next = static_cast<size_t>(i < n ? i + 1 : i);
        手順記録& e = list.項目(i);
        e.盤 = ps[k].p.盤;
        e.MAN持駒 = ps[k].p.MAN持駒;
        e.COM持駒 = ps[k].p.COM持駒;
        e.MAN時間前 = 下[k];
        e.MAN時間後 = 下[next];
        e.COM時間前 = 上[k];
        e.COM時間後 = 上[next];
    }
    return n;
}

}  // namespace yukora
