#include "formats/kif_header.h"

#include "formats/kif_notation.h"
#include "rules/start_position.h"
#include "textfile/utf8.h"

namespace yukora {
namespace {

bool 始まる(std::u32string_view s, std::u32string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// "key：value" (full-width or ASCII colon), the key without spaces.
bool 見出しを分ける(std::u32string_view line, std::u32string_view& key,
                    std::u32string_view& value) {
    const size_t c = line.find_first_of(U"：:");
    if (c == 0 || c == std::u32string_view::npos) return false;
    key = line.substr(0, c);
    for (const char32_t ch : key)
        if (KIFの空白か(ch)) return false;
    value = 空白を除く(line.substr(c + 1));
    return true;
}

// The lines around a board diagram: the files above it and its frame.
bool 盤の枠か(std::u32string_view line) {
    const std::u32string_view t = 空白を除く(line);
    if (始まる(t, U"+---")) return true;
    return !t.empty() && t.front() == U'９' && t.back() == U'１';
}

// How many pieces of each hand kind a set has.
constexpr int 駒の総数[8] = {0, 18, 4, 4, 4, 4, 2, 2};

}  // namespace

bool KIFの空白か(char32_t c) { return c == U' ' || c == U'\u3000' || c == U'\t'; }

void 空白を飛ばす(std::u32string_view& s) {
    while (!s.empty() && KIFの空白か(s.front())) s.remove_prefix(1);
}

int 数字を読む(std::u32string_view& s) {
    int n = 0, digits = 0;
    while (!s.empty() && s.front() >= U'0' && s.front() <= U'9') {
        if (++digits > 6) return -1;
        n = n * 10 + static_cast<int>(s.front() - U'0');
        s.remove_prefix(1);
    }
    return digits == 0 ? -1 : n;
}

std::string KIF見出し::行を読む(std::u32string_view line, int 行, 対局記録& r) {
    if (始まる(line, U"|")) return 盤の段(line, 行);
    if (盤の枠か(line)) return {};
    if (始まる(line, U"手数----")) {
        局面あり_ = true;
        return {};
    }
    std::u32string_view key, value;
    const bool kv = 見出しを分ける(line, key, value);
    const std::u32string_view turn = 空白を除く(line);
    if (!kv && (turn == U"先手番" || turn == U"下手番" || turn == U"後手番" || turn == U"上手番")) {
        手番_ = turn == U"先手番" || turn == U"下手番" ? 先手 : 後手;
        局面あり_ = true;
        return {};
    }
    if (!kv) {
        r.見出し.push_back({"", UTF8へ(line)});
        return {};
    }
    if (key == U"手合割") {
        局面あり_ = true;
        手合割_ = 手合割を名前で探す(value);
        if (手合割_ == nullptr) {
            不明な手合割_ = UTF8へ(value);
            手合割の行_ = 行;
        }
        return {};
    }
    if (key == U"先手の持駒" || key == U"下手の持駒") return 持駒行(value, 手駒_[0]);
    if (key == U"後手の持駒" || key == U"上手の持駒") return 持駒行(value, 手駒_[1]);
    r.見出し.push_back({UTF8へ(key), UTF8へ(value)});
    return {};
}

std::string KIF見出し::持駒行(std::u32string_view value, 持駒型& hand) {
    局面あり_ = true;
    int count[8] = {};
    while (!value.empty()) {
        空白を飛ばす(value);
        if (value.empty() || 始まる(value, U"なし")) break;
        size_t len = 0;
        const int code = 駒名を読む(value, len);
        const int kind = 持駒種類(code);
        if (kind == 0 || code != 持駒の駒(kind)) return "a hand holds an unknown piece";
        value.remove_prefix(len);
        size_t n = 0;  // the count, if any, runs up to the next piece or space
        while (n < value.size() && (段の値(value[n]) != 0 || value[n] == U'十')) ++n;
        const int c = n == 0 ? 1 : 数の値(value.substr(0, n));
        if (c == 0) return "a count in a hand cannot be read";
        count[kind] += c;
        if (count[kind] > 駒の総数[kind]) return "a hand holds more of a piece than a set has";
        value.remove_prefix(n);
    }
    for (int k = 1; k <= 7; ++k) hand[k] = static_cast<駒型>(count[k]);
    return {};
}

// "|v香v桂v銀v金v玉v金v銀v桂v香|一": nine squares of a mark ("v" for 後手) and a piece.
std::string KIF見出し::盤の段(std::u32string_view line, int 行) {
    局面あり_ = true;
    if (盤の行_ == 0) 盤の行_ = 行;
    if (line.size() < 21 || line[19] != U'|') return "a rank of the board diagram cannot be read";
    const int y = 段の値(line[20]);
    if (y == 0) return "a rank of the board diagram has no number";
    for (int x = 1; x <= 9; ++x) {
        const char32_t mark = line[static_cast<size_t>(2 * x - 1)];
        const char32_t piece = line[static_cast<size_t>(2 * x)];
        int code = 0;
        if (piece != U'・' && piece != U' ' && piece != U'　') {
            size_t len = 0;
            code = 駒名を読む(std::u32string_view(&piece, 1), len);
            if (code == 0) return "an unknown piece in the board diagram";
        }
        盤_[x][y] = static_cast<駒型>(mark == U'v' || mark == U'V' ? code : -code);
    }
    段あり_[static_cast<size_t>(y)] = true;
    return {};
}

std::string KIF見出し::開始を決める(記録局面& start, int& 行) const {
    if (盤の行_ != 0) {
        for (int y = 1; y <= 9; ++y)
            if (!段あり_[static_cast<size_t>(y)]) {
                行 = 盤の行_;
                return "the board diagram lacks a rank";
            }
        start.p = {};
        start.p.盤 = 盤_;
        start.p.MAN持駒 = 手駒_[0];
        start.p.COM持駒 = 手駒_[1];
        start.手番 = 先手;
    } else if (手合割_ != nullptr) {
        start = 手合割の局面(*手合割_);
    } else if (!不明な手合割_.empty()) {
        行 = 手合割の行_;
        return "unknown 手合割 " + 不明な手合割_;
    } else {
        start = 手合割の局面(*手合割を名前で探す(U"平手"));
    }
    if (手番_ != 0) start.手番 = 手番_;
    if (std::string e = 開始局面の問題(start.p, 玉の数::片方でもよい); !e.empty()) {
        if (盤の行_ != 0) 行 = 盤の行_;
        return "the start position: " + e;
    }
    for (int k = 1; k <= 7; ++k) {
        start.p.MAN持駒数 += start.p.MAN持駒[k];
        start.p.COM持駒数 += start.p.COM持駒[k];
    }
    return {};
}

}  // namespace yukora
