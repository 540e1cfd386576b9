#include "rules/sfen.h"

#include <cstdio>

#include "rules/piece_letters.h"
#include "rules/start_position.h"

namespace yukora {
namespace {

bool 大文字か(char c) { return c >= 'A' && c <= 'Z'; }
bool 小文字か(char c) { return c >= 'a' && c <= 'z'; }
char 大文字に(char c) { return 小文字か(c) ? static_cast<char>(c - 'a' + 'A') : c; }

// A character as it may safely appear in a message.
std::string 文字表示(char c) {
    if (c > ' ' && c < 127) return std::string("'") + c + "'";
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", static_cast<unsigned char>(c));
    return buf;
}

std::string 段を読む(std::string_view 段, int y, 局面& p) {
    const std::string 段名 = std::string("rank ") + static_cast<char>('a' + y - 1);
    int x = 1;
    for (std::size_t i = 0; i < 段.size(); ++i) {
        char c = 段[i];
        if (c >= '1' && c <= '9') {
            x += c - '0';
            if (x > 10) return 段名 + " has more than nine squares";
            continue;
        }
        const bool 成り = c == '+';
        if (成り) {
            if (++i == 段.size()) return 段名 + " ends with '+'";
            c = 段[i];
        }
        if (!大文字か(c) && !小文字か(c)) return "bad character " + 文字表示(c) + " in " + 段名;
        int code = 駒文字の駒(大文字に(c));
        if (code == 0) return "bad piece letter " + 文字表示(c) + " in " + 段名;
        if (成り) {
            if (code == 金 || code == 王) return "a promoted " + 文字表示(c) + " in " + 段名;
            ++code;
        }
        if (x > 9) return 段名 + " has more than nine squares";
        p.盤[x][y] = static_cast<駒型>(大文字か(c) ? -code : code);
        ++x;
    }
    if (x != 10) return 段名 + " has fewer than nine squares";
    return {};
}

std::string 盤面を読む(std::string_view 盤面, 局面& p) {
    int y = 1;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = 盤面.find('/', start);
        const std::string_view 段 = 盤面.substr(
            start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
        if (y > 9) return "the board has more than nine ranks";
        if (std::string e = 段を読む(段, y, p); !e.empty()) return e;
        ++y;
        if (slash == std::string_view::npos) break;
        start = slash + 1;
    }
    if (y != 10) return "the board has fewer than nine ranks";
    return {};
}

std::string 持駒を読む(std::string_view 持駒, 局面& p) {
    if (持駒 == "-") return {};
    if (持駒.empty()) return "the hands are missing";
    std::size_t i = 0;
    while (i < 持駒.size()) {
        int count = 0;
        bool 数あり = false;
        while (i < 持駒.size() && 持駒[i] >= '0' && 持駒[i] <= '9') {
            count = count * 10 + (持駒[i++] - '0');
            数あり = true;
            if (count > 18) return "a count in the hands is too large";
        }
        if (!数あり) count = 1;
        if (count < 1) return "a count of zero in the hands";
        if (i == 持駒.size()) return "the hands end with a count";
        const char c = 持駒[i++];
        const int kind = 駒文字の持駒種類(大文字に(c));
        if (kind == 0) return "bad piece " + 文字表示(c) + " in the hands";
        持駒型& hand = 大文字か(c) ? p.MAN持駒 : p.COM持駒;
        hand[kind] = static_cast<駒型>(hand[kind] + count);
    }
    return {};
}

}  // namespace

手番付き局面 平手局面() {
    手番付き局面 pos;
    初期配置(pos.p);
    pos.手番 = 先手;
    return pos;
}

std::string SFEN読込(std::string_view 盤面, std::string_view 手番, std::string_view 持駒,
                     手番付き局面& 結果) {
    手番付き局面 pos;
    if (std::string e = 盤面を読む(盤面, pos.p); !e.empty()) return e;
    if (手番 == "b") pos.手番 = 先手;
    else if (手番 == "w") pos.手番 = 後手;
    else return "the side to move must be b or w";
    if (std::string e = 持駒を読む(持駒, pos.p); !e.empty()) return e;
    if (std::string e = 開始局面の問題(pos.p); !e.empty()) return e;
    for (int k = 1; k <= 7; ++k) {
        pos.p.MAN持駒数 += pos.p.MAN持駒[k];
        pos.p.COM持駒数 += pos.p.COM持駒[k];
    }
    結果 = pos;
    return {};
}

std::string SFEN書込(const 手番付き局面& pos, int 手数) {
    std::string s;
    for (int y = 1; y <= 9; ++y) {
        int 空 = 0;
        for (int x = 1; x <= 9; ++x) {
            const int c = pos.p.盤[x][y];
            if (c == 0) {
                ++空;
                continue;
            }
            if (空 > 0) s += static_cast<char>('0' + 空);
            空 = 0;
            if ((c < 0 ? -c : c) % 2 == 1) s += '+';
            const char letter = 駒の文字(c);
            s += c > 0 ? static_cast<char>(letter - 'A' + 'a') : letter;
        }
        if (空 > 0) s += static_cast<char>('0' + 空);
        if (y < 9) s += '/';
    }
    s += pos.手番 == 先手 ? " b " : " w ";
    const std::size_t 持駒始 = s.size();
    constexpr char 順[7] = {'R', 'B', 'G', 'S', 'N', 'L', 'P'};
    for (int side = 0; side < 2; ++side) {
        const 持駒型& hand = side == 0 ? pos.p.MAN持駒 : pos.p.COM持駒;
        for (const char letter : 順) {
            const int n = hand[駒文字の持駒種類(letter)];
            if (n <= 0) continue;
            if (n > 1) s += std::to_string(n);
            s += side == 0 ? letter : static_cast<char>(letter - 'A' + 'a');
        }
    }
    if (s.size() == 持駒始) s += '-';
    s += ' ' + std::to_string(手数);
    return s;
}

}  // namespace yukora
