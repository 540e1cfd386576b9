#include "formats/kif_writer.h"

#include <cstdio>

#include "formats/end_words.h"
#include "formats/handicap_names.h"
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
std::u32string 時間(int 秒, long long 累計) {
    char buf[96];
    std::snprintf(buf, sizeof buf, " (%2d:%02d/%02lld:%02lld:%02lld)", 秒 / 60, 秒 % 60,
                  累計 / 3600, 累計 / 60 % 60, 累計 % 60);
    return 符号点へ(buf);
}

std::u32string 持駒の文字(const 持駒型& hand) {
    std::u32string s;
    for (int k = 7; k >= 1; --k) {
        if (hand[k] <= 0) continue;
        s += 盤図の駒字(持駒の駒(k));
        if (hand[k] > 1) s += 漢数字(hand[k]);
        s += U'　';
    }
    return s.empty() ? U"なし" : s;
}

std::u32string 指し手の文字(const 記録局面& pos, const 記録の手& m, const 記録の手* 前の手) {
    std::u32string s;
    if (前の手 != nullptr && 前の手->先X == m.先X && 前の手->先Y == m.先Y) s += U"同　";
    else s += 筋の文字(10 - m.先X) + 漢数字(m.先Y);
    s += 指し手の駒名(動かす駒(pos, m));
    if (m.成り) s += U"成";
    if (m.打駒 != 0) s += U"打";
    else s += U"(" + 桁(10 - m.元X) + 桁(m.元Y) + U")";
    return s;
}

void 見出し(std::vector<std::string>& out, const char* key, const std::string& value) {
    if (value.empty()) return;
    std::string v = value;
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    out.push_back(std::string(key) + "：" + v);
}

}  // namespace

std::vector<std::string> 盤図の行(const 記録局面& pos, bool 駒落ち) {
    const std::string 後 = 駒落ち ? "上手" : "後手", 先 = 駒落ち ? "下手" : "先手";
    std::vector<std::string> out;
    out.push_back(後 + "の持駒：" + UTF8へ(持駒の文字(pos.p.COM持駒)));
    out.push_back("  ９ ８ ７ ６ ５ ４ ３ ２ １");
    out.push_back("+---------------------------+");
    for (int y = 1; y <= 9; ++y) {
        std::u32string row = U"|";
        for (int x = 1; x <= 9; ++x) {
            const int c = pos.p.盤[x][y];
            row += c > 0 ? U'v' : U' ';
            row += 盤図の駒字(c);
        }
        out.push_back(UTF8へ(row + U"|" + 漢数字(y)));
    }
    out.push_back("+---------------------------+");
    out.push_back(先 + "の持駒：" + UTF8へ(持駒の文字(pos.p.MAN持駒)));
    out.push_back(pos.手番 == 先手 ? 先 + "番" : 後 + "番");
    return out;
}

書式結果 KIF行を書く(const 対局記録& r, 文字コード enc) {
    書式結果 res;
    std::vector<std::string>& out = res.行;
    out.push_back(enc == 文字コード::SJIS ? "#KIF version=2.0 encoding=Shift_JIS"
                                          : "#KIF version=2.0 encoding=UTF-8");
    見出し(out, "開始日時", r.開始日時);
    見出し(out, "棋戦", r.棋戦);
    const bool 駒落ち = 後手の駒落ちか(r.開始.p);
    const 手合割* h = 手合割を局面で探す(r.開始);
    if (h != nullptr) out.push_back("手合割：" + std::string(h->名前));
    if (h == nullptr || !h->広く読まれる)
        for (std::string& line : 盤図の行(r.開始, 駒落ち)) out.push_back(std::move(line));
    見出し(out, 駒落ち ? "下手" : "先手", r.先手名);
    見出し(out, 駒落ち ? "上手" : "後手", r.後手名);
    out.push_back("手数----指手---------消費時間--");

    記録局面 pos = r.開始;
    long long 累計[2] = {0, 0};  // 先手, 後手
    for (size_t i = 0; i < r.手.size(); ++i) {
        const 記録の手& m = r.手[i];
        const 記録局面 before = pos;
        if (std::string e = 記録の手を指す(pos, m); !e.empty()) {
            res.理由 = "move " + std::to_string(i + 1) + ": " + e;
            return res;
        }
        std::u32string text = 指し手の文字(before, m, i > 0 ? &r.手[i - 1] : nullptr);
        幅を揃える(text);
        long long& total = 累計[before.手番 == 先手 ? 0 : 1];
        total += m.秒;
        char num[32];
        std::snprintf(num, sizeof num, "%4zu ", i + 1);
        out.push_back(num + UTF8へ(text + 時間(m.秒, total)));
    }
    if (r.終局 != 終局理由::なし) {
        std::u32string word(KIFの終局語(r.終局));
        幅を揃える(word);
        char num[32];
        std::snprintf(num, sizeof num, "%4zu ", r.手.size() + 1);
        out.push_back(num + UTF8へ(word + 時間(0, 累計[pos.手番 == 先手 ? 0 : 1])));
        out.push_back(UTF8へ(まで行(r.終局, static_cast<int>(r.手.size()), pos.手番, 駒落ち)));
    }
    return res;
}

}  // namespace yukora
