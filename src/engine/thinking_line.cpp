#include "engine/thinking_line.h"

#include "engine/move_judge.h"
#include "formats/kif_notation.h"
#include "textfile/utf8.h"

namespace yukora {
namespace {

std::string 桁区切り(long long n) {
    std::string digits = std::to_string(n < 0 ? -n : n), out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return (n < 0 ? "-" : "") + out;
}

}  // namespace

std::string 評価の文字(評価値 e, bool 裏返す) {
    if (e.詰み) {
        const bool 勝ち = e.勝ち != 裏返す;
        std::string s = 勝ち ? "詰み" : "詰まされ";
        if (e.値 > 0) s += " " + std::to_string(e.値) + "手";
        return s;
    }
    const long long v = 裏返す ? -e.値 : e.値;
    return (v > 0 ? "+" : "") + std::to_string(v);
}

std::string 読み筋の記譜(const 手番付き局面& pos, const std::vector<std::string>& pv, int 最大) {
    std::u32string out;
    手番付き局面 at = pos;
    int 前X = 0, 前Y = 0;
    for (int i = 0; i < 最大 && i < static_cast<int>(pv.size()); ++i) {
        const 手の判定 j = 手を確かめる(at, pv[static_cast<std::size_t>(i)]);
        if (j.理由 != 反則::なし) break;
        const 指定の手& m = j.手;
        const int 駒 = m.打駒 != 0 ? 持駒の駒(m.打駒) : at.p.盤[m.元X][m.元Y];
        if (!out.empty()) out += U' ';
        if (m.先X == 前X && m.先Y == 前Y) out += U"同";
        else out += 筋の文字(10 - m.先X) + 漢数字(m.先Y);
        out += 指し手の駒名(駒);
        if (m.成り) out += U'成';
        if (m.打駒 != 0) out += U'打';
        前X = m.先X;
        前Y = m.先Y;
        at = j.後;
    }
    return UTF8へ(out);
}

void 思考の様子::受ける(const 読み筋& info) {
    if (info.multipv != 1) return;
    if (info.深さ) 深さ = info.深さ;
    if (info.ノード数) ノード数 = info.ノード数;
    if (info.評価) 評価 = info.評価;
    if (!info.pv.empty()) pv = info.pv;
}

std::string 思考の行(const 思考の様子& s, const 手番付き局面& pos, int 見る側) {
    std::string line;
    auto add = [&](const std::string& part) {
        if (!line.empty()) line += "  ";
        line += part;
    };
    if (s.深さ) add("深さ " + std::to_string(*s.深さ));
    if (s.評価) add("評価値 " + 評価の文字(*s.評価, 見る側 != pos.手番));
    if (s.ノード数) add("ノード " + 桁区切り(*s.ノード数));
    if (const std::string pv = 読み筋の記譜(pos, s.pv); !pv.empty()) add(pv);
    return line;
}

}  // namespace yukora
