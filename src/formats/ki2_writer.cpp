#include "formats/ki2_writer.h"

#include "formats/end_words.h"
#include "formats/handicap_names.h"
#include "formats/kif_header_writer.h"
#include "formats/kif_notation.h"
#include "formats/record_move.h"
#include "formats/relative_notation.h"
#include "rules/making_move.h"
#include "textfile/utf8.h"

namespace yukora {
namespace {

// Moves on one line, each padded to this many columns (a wide character counting two).
constexpr int 一行の手数 = 6;
constexpr int 指し手の幅 = 14;

std::u32string 指し手の文字(const 記録局面& pos, const 記録の手& m, const 記録の手* 前の手) {
    std::u32string s = pos.手番 == 先手 ? U"▲" : U"△";
    if (前の手 != nullptr && 前の手->先X == m.先X && 前の手->先Y == m.先Y) s += U"同　";
    else s += 筋の文字(10 - m.先X) + 漢数字(m.先Y);
    const int piece = 動かす駒(pos, m);
    s += 指し手の駒名(piece) + 相対の文字(pos, m);
    int after = piece;
    if (m.成り) s += U"成";
    else if (m.打駒 == 0 && 調査_駒成(m.元X, m.元Y, m.先X, m.先Y, piece, after) == 1) s += U"不成";
    return s;
}

struct 列の頭 {
    記録局面 局面;
    int 手数 = 1;
    const 記録の手* 前 = nullptr;
};

class KI2書き {
public:
    KI2書き(std::vector<std::string>& out, bool 駒落ち) : out_(out), 駒落ち_(駒落ち) {}

    std::string 列(const 手の列& line, 列の頭 head) {
        std::vector<列の頭> heads;
        std::u32string row;
        int in_row = 0;
        for (const 記録の手& m : line.手) {
            heads.push_back(head);
            const 記録局面 before = head.局面;
            if (std::string e = 記録の手を指す(head.局面, m); !e.empty())
                return "move " + std::to_string(head.手数) + ": " + e;
            std::u32string text = 指し手の文字(before, m, head.前);
            if (++in_row < 一行の手数 && m.コメント.empty() && m.栞.empty()) 幅を揃える(text);
            row += text;
            if (in_row == 一行の手数 || !m.コメント.empty() || !m.栞.empty()) {
                行を出す(row, in_row);
                注記(m.コメント, m.栞);
            }
            head.前 = &m;
            ++head.手数;
        }
        行を出す(row, in_row);
        if (line.終局 != 終局理由::なし) {
            out_.push_back(UTF8へ(まで行(line.終局, head.手数 - 1, head.局面.手番, 駒落ち_)));
            注記(line.終局のコメント, {});
        }
        for (size_t i = line.手.size(); i-- > 0;) {
            for (const 手の列& branch : line.手[i].変化) {
                out_.push_back("");
                out_.push_back("変化：" + std::to_string(heads[i].手数) + "手");
                if (std::string e = 列(branch, heads[i]); !e.empty()) return e;
            }
        }
        return {};
    }

    void 注記(const std::vector<std::string>& comments, const std::string& 栞) {
        for (const std::string& c : comments) out_.push_back("*" + 一行に(c));
        if (!栞.empty()) out_.push_back("&" + 一行に(栞));
    }

private:
    static void 幅を揃える(std::u32string& s) {
        int cols = 0;
        for (const char32_t c : s) cols += c < 0x100 ? 1 : 2;
        s.append(static_cast<size_t>(cols < 指し手の幅 ? 指し手の幅 - cols : 1), U' ');
    }

    void 行を出す(std::u32string& row, int& in_row) {
        while (!row.empty() && row.back() == U' ') row.pop_back();
        if (!row.empty()) out_.push_back(UTF8へ(row));
        row.clear();
        in_row = 0;
    }

    std::vector<std::string>& out_;
    bool 駒落ち_;
};

}  // namespace

書式結果 KI2行を書く(const 対局記録& r) {
    書式結果 res;
    res.行 = KIF見出しの行(r);
    KI2書き w(res.行, 後手の駒落ちか(r.開始.p));
    w.注記(r.開始のコメント, r.開始の栞);
    res.理由 = w.列(r, {r.開始});
    return res;
}

}  // namespace yukora
