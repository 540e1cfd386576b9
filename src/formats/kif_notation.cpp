#include "formats/kif_notation.h"

#include "game/pieces.h"

namespace yukora {
namespace {

struct 駒の名 {
    int code;
    std::u32string_view 名;  // in a move
    char32_t 字;             // in a diagram
};

constexpr 駒の名 駒表[] = {
    {歩, U"歩", U'歩'},   {香, U"香", U'香'},     {桂, U"桂", U'桂'},     {銀, U"銀", U'銀'},
    {金, U"金", U'金'},   {角, U"角", U'角'},     {飛, U"飛", U'飛'},     {王, U"玉", U'玉'},
    {と, U"と", U'と'},   {香成, U"成香", U'杏'}, {桂成, U"成桂", U'圭'}, {銀成, U"成銀", U'全'},
    {角成, U"馬", U'馬'}, {飛成, U"龍", U'龍'},
};

// Names read besides those written.
struct 別名 {
    std::u32string_view 名;
    int code;
};
constexpr 別名 別名表[] = {{U"王", 王}, {U"竜", 飛成}};

constexpr std::u32string_view 漢数字表 = U"一二三四五六七八九";

}  // namespace

std::u32string 筋の文字(int file) {
    if (file < 1 || file > 9) return {};
    return std::u32string(1, static_cast<char32_t>(U'０' + file));
}

std::u32string 漢数字(int n) {
    if (n < 1 || n > 18) return {};
    if (n < 10) return std::u32string(1, 漢数字表[static_cast<size_t>(n - 1)]);
    std::u32string s = U"十";
    if (n > 10) s += 漢数字表[static_cast<size_t>(n - 11)];
    return s;
}

int 筋の値(char32_t c) {
    if (c >= U'1' && c <= U'9') return static_cast<int>(c - U'0');
    if (c >= U'１' && c <= U'９') return static_cast<int>(c - U'０');
    return 0;
}

int 段の値(char32_t c) {
    const size_t i = 漢数字表.find(c);
    if (i != std::u32string_view::npos) return static_cast<int>(i) + 1;
    return 筋の値(c);
}

int 数の値(std::u32string_view text) {
    if (text.empty() || text.size() > 2) return 0;
    if (text.size() == 1) return text[0] == U'十' ? 10 : 段の値(text[0]);
    if (text[0] == U'十') {
        const size_t i = 漢数字表.find(text[1]);
        return i != std::u32string_view::npos && i < 8 ? 11 + static_cast<int>(i) : 0;
    }
    const int tens = 筋の値(text[0]);
    const int ones = text[1] == U'0' || text[1] == U'０' ? 0 : 筋の値(text[1]);
    if (tens == 0 || (ones == 0 && text[1] != U'0' && text[1] != U'０')) return 0;
    return tens * 10 + ones;
}

std::u32string 指し手の駒名(int code) {
    const int a = code < 0 ? -code : code;
    for (const 駒の名& e : 駒表)
        if (e.code == a) return std::u32string(e.名);
    return {};
}

char32_t 盤図の駒字(int code) {
    const int a = code < 0 ? -code : code;
    for (const 駒の名& e : 駒表)
        if (e.code == a) return e.字;
    return U'・';
}

int 駒名を読む(std::u32string_view text, std::size_t& length) {
    int best = 0;
    length = 0;
    auto consider = [&](std::u32string_view name, int code) {
        if (name.size() > length && text.substr(0, name.size()) == name) {
            best = code;
            length = name.size();
        }
    };
    for (const 駒の名& e : 駒表) {
        consider(e.名, e.code);
        consider(std::u32string_view(&e.字, 1), e.code);
    }
    for (const 別名& e : 別名表) consider(e.名, e.code);
    return best;
}

}  // namespace yukora
