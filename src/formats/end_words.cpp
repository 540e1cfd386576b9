#include "formats/end_words.h"

namespace yukora {
namespace {

struct 終局の語 {
    終局理由 理由;
    std::u32string_view KIF;
    std::string_view CSA;
};

constexpr 終局の語 語表[] = {
    {終局理由::中断, U"中断", "CHUDAN"},
    {終局理由::投了, U"投了", "TORYO"},
    {終局理由::詰み, U"詰み", "TSUMI"},
    {終局理由::反則勝ち, U"反則勝ち", ""},
    {終局理由::反則負け, U"反則負け", "ILLEGAL_MOVE"},
    {終局理由::千日手, U"千日手", "SENNICHITE"},
    {終局理由::持将棋, U"持将棋", "JISHOGI"},
    {終局理由::切れ負け, U"切れ負け", "TIME_UP"},
    {終局理由::入玉勝ち, U"入玉勝ち", "KACHI"},
    {終局理由::不詰, U"不詰", "FUZUMI"},
    {終局理由::封じ手, U"封じ手", ""},
};

// Other words of the same ends, read but never written.
struct 別の語 {
    std::u32string_view KIF;
    std::string_view CSA;
    終局理由 理由;
};
constexpr 別の語 別語表[] = {
    {U"詰", "", 終局理由::詰み},          {U"", "HIKIWAKE", 終局理由::持将棋},
    {U"", "MAX_MOVES", 終局理由::持将棋}, {U"不戦勝", "", 終局理由::中断},
    {U"不戦敗", "", 終局理由::中断},
};

}  // namespace

std::u32string_view KIFの終局語(終局理由 how) {
    for (const 終局の語& e : 語表)
        if (e.理由 == how) return e.KIF;
    return {};
}

bool KIFの終局語か(std::u32string_view word) {
    for (const 終局の語& e : 語表)
        if (e.KIF == word) return true;
    for (const 別の語& e : 別語表)
        if (!e.KIF.empty() && e.KIF == word) return true;
    return false;
}

終局理由 KIF語の終局(std::u32string_view word) {
    for (const 終局の語& e : 語表)
        if (e.KIF == word) return e.理由;
    for (const 別の語& e : 別語表)
        if (!e.KIF.empty() && e.KIF == word) return e.理由;
    return 終局理由::中断;
}

std::string CSAの終局語(終局理由 how, int 手番) {
    // The side that did not move last fouled by leaving its king to be taken.
    if (how == 終局理由::反則勝ち) return 手番 == 先手 ? "-ILLEGAL_ACTION" : "+ILLEGAL_ACTION";
    // CSA has no sealed move: the game stopped there.
    if (how == 終局理由::封じ手) return "CHUDAN";
    for (const 終局の語& e : 語表)
        if (e.理由 == how) return std::string(e.CSA);
    return {};
}

終局理由 CSA語の終局(std::string_view word, int 手番) {
    if (word == "+ILLEGAL_ACTION") return 手番 == 先手 ? 終局理由::反則負け : 終局理由::反則勝ち;
    if (word == "-ILLEGAL_ACTION") return 手番 == 後手 ? 終局理由::反則負け : 終局理由::反則勝ち;
    for (const 終局の語& e : 語表)
        if (!e.CSA.empty() && e.CSA == word) return e.理由;
    for (const 別の語& e : 別語表)
        if (!e.CSA.empty() && e.CSA == word) return e.理由;
    return 終局理由::中断;
}

std::u32string まで行(終局理由 how, int 手数, int 手番, bool 駒落ち) {
    const std::u32string 先 = 駒落ち ? U"下手" : U"先手", 後 = 駒落ち ? U"上手" : U"後手";
    const std::u32string& 手番側 = 手番 == 先手 ? 先 : 後;
    const std::u32string& 指した側 = 手番 == 先手 ? 後 : 先;
    std::u32string s = U"まで";
    for (const char c : std::to_string(手数)) s += static_cast<char32_t>(c);
    s += U"手で";
    switch (how) {
        case 終局理由::投了: return s + 指した側 + U"の勝ち";
        case 終局理由::切れ負け: return s + U"時間切れにより" + 指した側 + U"の勝ち";
        case 終局理由::反則勝ち: return s + 手番側 + U"の反則勝ち";
        case 終局理由::反則負け: return s + 手番側 + U"の反則負け";
        case 終局理由::入玉勝ち: return s + 手番側 + U"の入玉勝ち";
        default: return s + std::u32string(KIFの終局語(how));
    }
}

終局理由 まで行の終局(std::u32string_view line, int 手番) {
    if (line.substr(0, 2) != U"まで") return 終局理由::なし;
    size_t i = 2;
    if (i < line.size() && line[i] == U'、') ++i;
    while (i < line.size() && line[i] >= U'0' && line[i] <= U'9') ++i;
    if (line.substr(i, 2) != U"手で") return 終局理由::なし;
    std::u32string_view rest = line.substr(i + 2);
    while (!rest.empty() && (rest.back() == U' ' || rest.back() == U'\u3000'))
        rest.remove_suffix(1);
    const bool 時間切れ = rest.substr(0, 7) == U"時間切れにより";
    if (時間切れ) rest.remove_prefix(7);
    // "先手の勝ち": the side named, then what became of it.
    int side = 0;
    if (rest.substr(0, 2) == U"先手" || rest.substr(0, 2) == U"下手") side = 先手;
    if (rest.substr(0, 2) == U"後手" || rest.substr(0, 2) == U"上手") side = 後手;
    if (side == 0 || rest.substr(2, 1) != U"の")
        return 時間切れ ? 終局理由::なし : KIF語の終局(rest);
    const std::u32string_view what = rest.substr(3);
    const bool 手番側 = side == 手番;
    if (what == U"勝ち") {
        if (時間切れ) return 終局理由::切れ負け;
        return 手番側 ? 終局理由::反則勝ち : 終局理由::投了;
    }
    if (what == U"反則勝ち") return 手番側 ? 終局理由::反則勝ち : 終局理由::反則負け;
    if (what == U"反則負け") return 手番側 ? 終局理由::反則負け : 終局理由::反則勝ち;
    if (what == U"入玉勝ち") return 終局理由::入玉勝ち;
    return 終局理由::中断;
}

}  // namespace yukora
