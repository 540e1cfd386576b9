#include "support/board_fixtures.h"

#include <cctype>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <stdexcept>

#include "game/pieces.h"

namespace yukora::test {

namespace {

constexpr std::string_view 駒の文字 = "plnsgbrk";
constexpr int 文字の駒[] = {歩, 香, 桂, 銀, 金, 角, 飛, 王};

int 文字から駒(char c, bool promoted) {
    const auto i = 駒の文字.find(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    if (i == std::string_view::npos) throw std::invalid_argument(std::string("unknown piece ") + c);
    const int code = 文字の駒[i] + (promoted ? 1 : 0);
    return std::isupper(static_cast<unsigned char>(c)) ? -code : code;
}

// One row of the nine-line form, or one rank of an SFEN board.
void 行を置く(局面& p, int y, std::string_view row, bool blanks) {
    int x = 1;
    bool promoted = false;
    for (const char c : row) {
        if (c == ' ' && blanks) continue;
        if (c == '+') {
            promoted = true;
        } else if (c == '.') {
            ++x;
        } else if (!blanks && c >= '1' && c <= '9') {
            x += c - '0';
        } else {
            if (x > 9) throw std::invalid_argument("row too long: " + std::string(row));
            p.盤[x][y] = static_cast<駒型>(文字から駒(c, promoted));
            promoted = false;
            ++x;
        }
    }
    if (x != 10) throw std::invalid_argument("row of other than nine cells: " + std::string(row));
}

void 持駒を置く(局面& p, std::string_view hands) {
    if (hands == "-") return;
    int n = 0;
    for (const char c : hands) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            n = n * 10 + (c - '0');
            continue;
        }
        const int code = 文字から駒(c, false);
        持駒型& hand = code < 0 ? p.MAN持駒 : p.COM持駒;
        hand[持駒種類(code)] = static_cast<駒型>(hand[持駒種類(code)] + (n == 0 ? 1 : n));
        n = 0;
    }
}

int CSA駒(const std::string& k) {
    static const std::pair<const char*, int> table[] = {
        {"FU", 歩},   {"TO", と}, {"KY", 香}, {"NY", 香成}, {"KE", 桂}, {"NK", 桂成}, {"GI", 銀},
        {"NG", 銀成}, {"KI", 金}, {"KA", 角}, {"UM", 角成}, {"HI", 飛}, {"RY", 飛成}, {"OU", 王}};
    for (const auto& [name, code] : table)
        if (k == name) return code;
    throw std::invalid_argument("unknown CSA piece " + k);
}

}  // namespace

局面 初期局面() {
    局面 p;
    初期配置(p);
    p.MAN王X = 5, p.MAN王Y = 9, p.COM王X = 5, p.COM王Y = 1;
    return p;
}

局面 盤面(std::string_view board, std::string_view hands) {
    局面 p;
    const bool lines = board.find('\n') != std::string_view::npos;
    const char sep = lines ? '\n' : '/';
    int y = 1;
    while (!board.empty()) {
        const auto end = board.find(sep);
        const std::string_view row = board.substr(0, end);
        board.remove_prefix(end == std::string_view::npos ? board.size() : end + 1);
        if (lines && row.find_first_not_of(' ') == std::string_view::npos) continue;
        if (y > 9) throw std::invalid_argument("more than nine rows");
        行を置く(p, y++, row, lines);
    }
    if (y != 10) throw std::invalid_argument("fewer than nine rows");
    持駒を置く(p, hands);
    for (int x = 1; x <= 9; ++x)
        for (int r = 1; r <= 9; ++r) {
            if (p.盤[x][r] == 王) p.COM王X = x, p.COM王Y = r;
            if (p.盤[x][r] == -王) p.MAN王X = x, p.MAN王Y = r;
        }
    p.MAN持駒数 = 手の合計(p.MAN持駒);
    p.COM持駒数 = 手の合計(p.COM持駒);
    return p;
}

int 駒の総数(const 局面& p) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) n += p.盤[x][y] != 0;
    return n + 手の合計(p.MAN持駒) + 手の合計(p.COM持駒);
}

int 手の合計(const 持駒型& hand) {
    int n = 0;
    for (int k = 1; k <= 7; ++k) n += hand[k];
    return n;
}

CSA指し手 CSAを読む(const std::string& line) {
    if (line.size() < 7) throw std::invalid_argument("short CSA move " + line);
    const int sign = line[0] == '+' ? -1 : 1;  // sente is the bottom side
    const int ff = line[1] - '0', fr = line[2] - '0', tf = line[3] - '0', tr = line[4] - '0';
    const int code = sign * CSA駒(line.substr(5, 2));
    CSA指し手 m{};
    m.先X = 10 - tf;
    m.先Y = tr;
    m.駒 = code;
    m.打ち = ff == 0;
    if (m.打ち) {
        m.手駒種類 = 持駒種類(code);
        m.元X = sign < 0 ? 自持駒列 : 敵持駒列;
        m.元Y = sign < 0 ? m.手駒種類 + 2 : m.手駒種類;
    } else {
        m.元X = 10 - ff;
        m.元Y = fr;
    }
    return m;
}

std::vector<std::string> CSA棋譜(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::vector<std::string> moves;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() >= 7 && (line[0] == '+' || line[0] == '-')) moves.push_back(line);
    }
    return moves;
}

}  // namespace yukora::test

namespace yukora {
namespace {

std::string 駒の記号(int code) {
    if (code == 0) return " . ";
    const int k = code < 0 ? -code : code;
    const bool promoted = k % 10 == 1 && k != 111;
    const int base = promoted ? k - 1 : k;
    char c = '?';
    for (std::size_t i = 0; i < std::size(test::文字の駒); ++i)
        if (test::文字の駒[i] == base) c = test::駒の文字[i];
    if (code < 0) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return std::string(promoted ? "+" : " ") + c + " ";
}

void 手を書く(const 持駒型& hand, bool bottom, std::ostream& os) {
    for (int k = 7; k >= 1; --k)
        if (hand[k] > 0) os << ' ' << 駒の記号(bottom ? -持駒の駒(k) : 持駒の駒(k)) << hand[k];
}

void 地図を書く(const 盤型& map, std::ostream& os) {
    for (int y = 1; y <= 9; ++y) {
        os << '\n';
        for (int x = 1; x <= 9; ++x) os << std::setw(4) << map[x][y];
    }
}

}  // namespace

void PrintTo(const 局面& p, std::ostream* os) {
    *os << "\ntop hand:";
    手を書く(p.COM持駒, false, *os);
    for (int y = 1; y <= 9; ++y) {
        *os << '\n';
        for (int x = 1; x <= 9; ++x) *os << 駒の記号(p.盤[x][y]);
    }
    *os << "\nbottom hand:";
    手を書く(p.MAN持駒, true, *os);
}

void PrintTo(const 勢力地図& m, std::ostream* os) {
    *os << "\n勢力MAN:";
    地図を書く(m.勢力MAN, *os);
    *os << "\n勢力COM:";
    地図を書く(m.勢力COM, *os);
}

}  // namespace yukora
