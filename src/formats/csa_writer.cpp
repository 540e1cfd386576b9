#include "formats/csa_writer.h"

#include "formats/csa_names.h"
#include "formats/end_words.h"
#include "formats/handicap_names.h"
#include "formats/kif_header_writer.h"
#include "formats/record_move.h"

namespace yukora {
namespace {

char 符号(int 手番) { return 手番 == 先手 ? '+' : '-'; }

// "2024/05/01(水) 10:00:00" is written without the day of the week.
std::string 日時(const std::string& s) {
    const size_t open = s.find('(');
    const size_t close = s.find(')', open == std::string::npos ? 0 : open);
    if (open == std::string::npos || close == std::string::npos) return 一行に(s);
    return 一行に(s.substr(0, open) + s.substr(close + 1));
}

void 盤と持駒(std::vector<std::string>& out, const 局面& p) {
    for (int y = 1; y <= 9; ++y) {
        std::string row = "P" + std::to_string(y);
        for (int x = 1; x <= 9; ++x) {
            const int c = p.盤[x][y];
            if (c == 0) row += " * ";
            else row += (c < 0 ? "+" : "-") + std::string(CSAの駒名(c));
        }
        out.push_back(row);
    }
    for (int side = 0; side < 2; ++side) {
        const 持駒型& hand = side == 0 ? p.MAN持駒 : p.COM持駒;
        std::string line = side == 0 ? "P+" : "P-";
        for (int k = 7; k >= 1; --k)
            for (int n = 0; n < hand[k]; ++n) line += "00" + std::string(CSAの駒名(持駒の駒(k)));
        out.push_back(line);
    }
}

std::string 指し手(const 記録局面& before, const 記録局面& after, const 記録の手& m) {
    std::string s(1, 符号(before.手番));
    s += m.打駒 != 0 ? "00" : std::to_string(10 - m.元X) + std::to_string(m.元Y);
    s += std::to_string(10 - m.先X) + std::to_string(m.先Y);
    return s + std::string(CSAの駒名(after.p.盤[m.先X][m.先Y]));
}

// "N+" and "N-", then the "$" lines: the keys CSA shares with KIF, and its own as read.
void 見出し(std::vector<std::string>& out, const 対局記録& r) {
    if (const std::string n = 先手の名前(r); !n.empty()) out.push_back("N+" + 一行に(n));
    if (const std::string n = 後手の名前(r); !n.empty()) out.push_back("N-" + 一行に(n));
    for (const 見出し項目& h : r.見出し) {
        const std::string_view csa = CSAの見出し名(h.名前);
        if (csa == "START_TIME") out.push_back("$START_TIME:" + 日時(h.値));
        else if (!csa.empty()) out.push_back("$" + std::string(csa) + ":" + 一行に(h.値));
        else if (h.名前.starts_with('$')) out.push_back(h.名前 + ":" + 一行に(h.値));
    }
}

void コメント(std::vector<std::string>& out, const std::vector<std::string>& lines) {
    for (const std::string& c : lines) out.push_back("'*" + 一行に(c));
}

}  // namespace

書式結果 CSA行を書く(const 対局記録& r) {
    書式結果 res;
    std::vector<std::string>& out = res.行;
    out.push_back("V2.2");
    見出し(out, r);
    if (const auto removed = 平手から落とした駒(r.開始.p)) out.push_back("PI" + *removed);
    else 盤と持駒(out, r.開始.p);
    out.push_back(std::string(1, 符号(r.開始.手番)));
    コメント(out, r.開始のコメント);

    記録局面 pos = r.開始;
    for (size_t i = 0; i < r.手.size(); ++i) {
        const 記録局面 before = pos;
        if (std::string e = 記録の手を指す(pos, r.手[i]); !e.empty()) {
            res.理由 = "move " + std::to_string(i + 1) + ": " + e;
            return res;
        }
        out.push_back(指し手(before, pos, r.手[i]));
        out.push_back("T" + std::to_string(r.手[i].秒));
        コメント(out, r.手[i].コメント);
    }
    if (const std::string end = CSAの終局語(r.終局, pos.手番); !end.empty()) {
        out.push_back("%" + end);
        if (r.終局の秒 > 0) out.push_back("T" + std::to_string(r.終局の秒));
        コメント(out, r.終局のコメント);
    }
    return res;
}

}  // namespace yukora
