#include "formats/kif_writer.h"

#include <cstdio>

#include "formats/end_words.h"
#include "formats/handicap_names.h"
#include "formats/kif_header_writer.h"
#include "formats/kif_notation.h"
#include "formats/record_move.h"
#include "textfile/utf8.h"

namespace yukora {
namespace {

// Moves and end words are padded to this many columns, a wide character counting two.
constexpr int 指し手の幅 = 12;

std::u32string 桁(int n) {
    std::u32string s;
    for (const char c : std::to_string(n)) s += static_cast<char32_t>(c);
    return s;
}

void 幅を揃える(std::u32string& s) {
    int cols = 0;
    for (const char32_t c : s) cols += c < 0x100 ? 1 : 2;
    if (cols < 指し手の幅) s.append(static_cast<size_t>(指し手の幅 - cols), U' ');
}

// " ( 0:05/00:00:12)": the move's minutes and seconds, then the side's running total.
std::string 時間(int 秒, long long 累計) {
    char buf[96];
    std::snprintf(buf, sizeof buf, " (%2d:%02d/%02lld:%02lld:%02lld)", 秒 / 60, 秒 % 60,
                  累計 / 3600, 累計 / 60 % 60, 累計 % 60);
    return buf;
}

std::string 番号(int n) {
    char num[32];
    std::snprintf(num, sizeof num, "%4d ", n);
    return num;
}

// Where a line of play starts: its position, the number of its first move, the move before
// it, and both sides' clocks so far (先手, 後手).
struct 列の頭 {
    記録局面 局面;
    int 手数 = 1;
    const 記録の手* 前 = nullptr;
    long long 累計[2] = {0, 0};
};

class KIF書き {
public:
    KIF書き(std::vector<std::string>& out, bool 駒落ち) : out_(out), 駒落ち_(駒落ち) {}

    // The moves of the line, its end, then its branches, the latest first. Empty, else why not.
    std::string 列(const 手の列& line, 列の頭 head, bool 本譜) {
        std::vector<列の頭> heads;  // where each move's branches start
        for (size_t i = 0; i < line.手.size(); ++i) {
            const 記録の手& m = line.手[i];
            heads.push_back(head);
            const 記録局面 before = head.局面;
            if (std::string e = 記録の手を指す(head.局面, m); !e.empty())
                return "move " + std::to_string(head.手数) + ": " + e;
            std::u32string text = KIFの指し手(before, m, head.前);
            幅を揃える(text);
            long long& total = head.累計[before.手番 == 先手 ? 0 : 1];
            total += m.秒;
            out_.push_back(番号(head.手数) + UTF8へ(text) + 時間(m.秒, total) +
                           (m.変化.empty() ? "" : "+"));
            注記(m.コメント, m.栞);
            head.前 = &m;
            ++head.手数;
        }
        終わり(line, head, 本譜);
        for (size_t i = line.手.size(); i-- > 0;) {
            for (const 手の列& branch : line.手[i].変化) {
                out_.push_back("");
                out_.push_back("変化：" + std::to_string(heads[i].手数) + "手");
                if (std::string e = 列(branch, heads[i], false); !e.empty()) return e;
            }
        }
        return {};
    }

    void 注記(const std::vector<std::string>& comments, const std::string& 栞) {
        for (const std::string& c : comments) out_.push_back("*" + 一行に(c));
        if (!栞.empty()) out_.push_back("&" + 一行に(栞));
    }

private:
    void 終わり(const 手の列& line, 列の頭& head, bool 本譜) {
        if (line.終局 == 終局理由::なし) return;
        std::u32string word(KIFの終局語(line.終局));
        幅を揃える(word);
        long long& total = head.累計[head.局面.手番 == 先手 ? 0 : 1];
        total += line.終局の秒;
        out_.push_back(番号(head.手数) + UTF8へ(word) + 時間(line.終局の秒, total));
        注記(line.終局のコメント, {});
        if (本譜) out_.push_back(UTF8へ(まで行(line.終局, head.手数 - 1, head.局面.手番, 駒落ち_)));
    }

    std::vector<std::string>& out_;
    bool 駒落ち_;
};

}  // namespace

std::u32string KIFの指し手(const 記録局面& pos, const 記録の手& m, const 記録の手* 前の手) {
    std::u32string s;
    if (前の手 != nullptr && 前の手->先X == m.先X && 前の手->先Y == m.先Y) s += U"同　";
    else s += 筋の文字(10 - m.先X) + 漢数字(m.先Y);
    s += 指し手の駒名(動かす駒(pos, m));
    if (m.成り) s += U"成";
    if (m.打駒 != 0) s += U"打";
    else s += U"(" + 桁(10 - m.元X) + 桁(m.元Y) + U")";
    return s;
}

書式結果 KIF行を書く(const 対局記録& r, 文字コード enc) {
    書式結果 res;
    res.行.push_back(enc == 文字コード::SJIS ? "#KIF version=2.0 encoding=Shift_JIS"
                                             : "#KIF version=2.0 encoding=UTF-8");
    for (std::string& line : KIF見出しの行(r)) res.行.push_back(std::move(line));
    res.行.push_back("手数----指手---------消費時間--");
    KIF書き w(res.行, 後手の駒落ちか(r.開始.p));
    w.注記(r.開始のコメント, r.開始の栞);
    列の頭 head;
    head.局面 = r.開始;
    res.理由 = w.列(r, head, true);
    return res;
}

}  // namespace yukora
