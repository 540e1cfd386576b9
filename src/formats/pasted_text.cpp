#include "formats/pasted_text.h"

#include "formats/csa_writer.h"
#include "formats/file_formats.h"
#include "formats/ki2_writer.h"
#include "formats/kif_writer.h"
#include "formats/usi_text.h"
#include "rules/sfen.h"

namespace yukora {
namespace {

bool 始まる(std::string_view line, std::string_view head) {
    return line.substr(0, head.size()) == head;
}

bool 数字か(char c) { return c >= '0' && c <= '9'; }
bool 大文字か(char c) { return c >= 'A' && c <= 'Z'; }

// "+7776FU", "-0055KA": a CSA move.
bool CSAの手か(std::string_view s) {
    if (s.size() < 7 || (s[0] != '+' && s[0] != '-')) return false;
    for (size_t i = 1; i <= 4; ++i)
        if (!数字か(s[i])) return false;
    return 大文字か(s[5]) && 大文字か(s[6]);
}

bool CSAの行か(std::string_view s) {
    if (始まる(s, "\xEF\xBB\xBF")) s.remove_prefix(3);
    if (始まる(s, "V2") || 始まる(s, "PI") || 始まる(s, "P+") || 始まる(s, "P-") ||
        始まる(s, "N+") || 始まる(s, "N-") || 始まる(s, "'CSA"))
        return true;
    if (s.size() >= 2 && s[0] == 'P' && s[1] >= '1' && s[1] <= '9') return true;
    return CSAの手か(s);
}

std::string 行を繋ぐ(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

}  // namespace

貼り付け形式 貼り付けの形式(std::string_view text) {
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return 貼り付け形式::空;
    if (USI行らしいか(text.substr(text.find_first_not_of(" \t\r\n")))) return 貼り付け形式::USI;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find('\n', at), text.size());
        if (CSAの行か(text.substr(at, end - at))) return 貼り付け形式::CSA;
        at = end + 1;
    }
    return 貼り付け形式::KIF;
}

読込結果 貼り付けを読む(std::string_view text) {
    switch (貼り付けの形式(text)) {
        case 貼り付け形式::USI: return USI行を読む(text);
        case 貼り付け形式::CSA: return 棋譜を読む(text, 棋譜形式::CSA);
        case 貼り付け形式::KIF: return 棋譜を読む(text, 棋譜形式::KIFU);
        case 貼り付け形式::空: break;
    }
    読込結果 r;
    r.エラー = 読込エラー{0, 0, "nothing to read"};
    return r;
}

写しの文字 記録の写し(const 対局記録& r, 写し形式 f) {
    if (f == 写し形式::USI) return {position行を書く(r) + "\n", {}};
    const 書式結果 lines = f == 写し形式::CSA   ? CSA行を書く(r)
                           : f == 写し形式::KI2 ? KI2行を書く(r)
                                                : KIF行を書く(r, 文字コード::UTF8);
    if (!lines.理由.empty()) return {{}, lines.理由};
    return {行を繋ぐ(lines.行), {}};
}

std::string 盤面のSFEN(const 局面& p, int 下, int 手番, int 手数) {
    手番付き局面 pos{p, 手番 == 後手 ? 後手 : 先手};
    // The bottom (negative) pieces are 先手's when the bottom player is 先手.
    if (下 != 先手) 局面反転(pos.p);
    return SFEN書込(pos, 手数 + 1);
}

}  // namespace yukora
